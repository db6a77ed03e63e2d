// The program's growable array: elements in one heap block described by a small header,
// `arraydata`. Elements are plain values copied byte for byte; the array never constructs or
// destroys them. Capacity grows by half (8, 12, 18, 27, ...) or exactly as far as `reserve` asks.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "main/assertion.h"

struct arraydata
{
    void* memory;      // room for max_size elements; null until the first growth
    int32_t size;      // elements in use, 0..max_size
    int32_t max_size;  // capacity in elements
};

template <typename T>
T* array_memory(arraydata* arraydata)
{
    ASSERT(arraydata);
    ASSERT(arraydata->memory);
    return static_cast<T*>(arraydata->memory);
}

// Makes the capacity new_size elements, keeping those in use; never shrinks.
template <typename T>
void array_grow(arraydata* arraydata, int32_t new_size)
{
    if (new_size < arraydata->max_size)
        return;
    void* block = malloc(size_t(new_size) * sizeof(T));
    if (arraydata->memory)
    {
        ASSERT(new_size > arraydata->size);
        memcpy(block, arraydata->memory, size_t(arraydata->size) * sizeof(T));
        free(arraydata->memory);
    }
    arraydata->memory = block;
    arraydata->max_size = new_size;
}

template <typename T>
void array_push(arraydata* arraydata, T value)
{
    if (arraydata->size >= arraydata->max_size)
    {
        int32_t grown = arraydata->max_size + arraydata->max_size / 2;
        array_grow<T>(arraydata, grown < 8 ? 8 : grown);
    }
    ASSERT(arraydata->size < arraydata->max_size);
    array_memory<T>(arraydata)[arraydata->size] = value;
    arraydata->size += 1;
}

template <typename T>
class Array
{
    static_assert(std::is_trivially_copyable<T>::value, "elements are copied byte for byte");

public:
    Array() : m_header{}, m_data(&m_header) {}
    ~Array()
    {
        free(m_header.memory);
        m_header = arraydata{};
    }
    // m_data points at the array's own header, so an array cannot be copied or moved.
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;

    void reserve(int32_t new_max_size)
    {
        ASSERT(new_max_size >= 0);
        if (new_max_size > m_data->max_size)
            array_grow<T>(m_data, new_max_size);
    }

    void push(T value) { array_push<T>(m_data, value); }

    T& operator[](int32_t index)
    {
        ASSERT(index >= 0 && index < m_data->size);
        return static_cast<T*>(m_data->memory)[index];
    }

    int32_t size() const { return m_data->size; }
    int32_t capacity() const { return m_data->max_size; }
    void clear() { m_data->size = 0; }

private:
    arraydata m_header;
    arraydata* m_data;
};
