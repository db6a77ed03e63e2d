// A rectangular array of plain values, row-major in one owned block. Reads outside the grid give
// zero and writes outside it are dropped, which the neighbour rules rely on at the board's edges.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <type_traits>

template <typename T>
class Grid
{
    static_assert(std::is_trivially_copyable<T>::value, "cells are plain values");

public:
    Grid() = default;
    ~Grid()
    {
        free(m_cells);
        m_width = m_height = m_count = 0;
        m_cells = nullptr;
    }
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }

    // Keeps the block, contents included, when the number of cells does not change.
    void Resize(int32_t width, int32_t height)
    {
        m_width = width;
        m_height = height;
        if (width * height == m_count)
            return;
        free(m_cells);
        m_count = width * height;
        m_cells = m_count > 0 ? static_cast<T*>(calloc(size_t(m_count), sizeof(T))) : nullptr;
    }

    void Fill(T value)
    {
        for (int32_t i = 0; i < m_count; ++i)
            m_cells[i] = value;
    }

    bool Contains(int32_t x, int32_t y) const
    {
        return x >= 0 && x < m_width && y >= 0 && y < m_height;
    }

    T Get(int32_t x, int32_t y) const { return Contains(x, y) ? m_cells[y * m_width + x] : T{}; }

    void Set(int32_t x, int32_t y, T value)
    {
        if (Contains(x, y))
            m_cells[y * m_width + x] = value;
    }

    // The cell at the position clamped into the grid; the grid must not be empty.
    T& At(int32_t x, int32_t y)
    {
        x = x < 0 ? 0 : (x >= m_width ? m_width - 1 : x);
        y = y < 0 ? 0 : (y >= m_height ? m_height - 1 : y);
        return m_cells[y * m_width + x];
    }

    // Row-major storage: the cell of column x, row y is at index y * width + x.
    T* Cells() { return m_cells; }
    const T* Cells() const { return m_cells; }

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_count = 0;
    T* m_cells = nullptr;
};
