// The growable array across its growth steps, its reserve rules and its assertions.
#include "array/array.h"

#include <gtest/gtest.h>

#include "support/assert_death.h"

TEST(Array, PushesGrowByHalfFromEight)
{
    Array<uint32_t> values;
    const int32_t expected_capacity_after[] = {8, 8, 8, 8, 8, 8, 8, 8, 12, 12, 12, 12, 18, 18, 18,
                                               18, 18, 18, 27, 27, 27, 27, 27, 27, 27, 27, 27, 40};
    int32_t pushes = 0;
    for (int32_t expected : expected_capacity_after)
    {
        values.push(uint32_t(pushes * 7));
        ++pushes;
        ASSERT_EQ(values.size(), pushes);
        ASSERT_EQ(values.capacity(), expected) << "after push " << pushes;
    }
    for (int32_t i = 0; i < pushes; ++i)
        EXPECT_EQ(values[i], uint32_t(i * 7)) << "element " << i << " survives every growth";
}

TEST(Array, ReserveAllocatesExactlyAndOnlyUpward)
{
    Array<uint32_t> values;
    values.reserve(0);
    EXPECT_EQ(values.capacity(), 0);

    values.reserve(45);
    EXPECT_EQ(values.capacity(), 45);
    for (uint32_t i = 0; i < 45; ++i)
        values.push(i);
    const uint32_t* block = &values[0];
    EXPECT_EQ(values.capacity(), 45);
    values.reserve(10);
    EXPECT_EQ(&values[0], block);

    values.push(45);
    EXPECT_EQ(values.capacity(), 67);
    EXPECT_EQ(values[44], 44u);
    EXPECT_EQ(values[45], 45u);
}

TEST(Array, ClearKeepsTheBlock)
{
    Array<uint32_t> values;
    for (uint32_t i = 0; i < 9; ++i)
        values.push(i);
    const uint32_t* block = &values[0];
    values.clear();
    EXPECT_EQ(values.size(), 0);
    values.push(99);
    EXPECT_EQ(values.size(), 1);
    EXPECT_EQ(values.capacity(), 12);
    EXPECT_EQ(&values[0], block);
    EXPECT_EQ(values[0], 99u);
}

TEST(Array, HoldsPointers)
{
    int a = 1, b = 2;
    Array<int*> pointers;
    pointers.push(&a);
    pointers.push(&b);
    EXPECT_EQ(pointers[0], &a);
    EXPECT_EQ(pointers[1], &b);
}

TEST(ArrayDeathTest, AssertionsNameTheirExpressions)
{
    Array<uint32_t> empty;
    EXPECT_ASSERT_DEATH(empty[0], "index >= 0 && index < m_data->size");

    Array<uint32_t> one;
    one.push(5);
    EXPECT_ASSERT_DEATH(one[1], "index >= 0 && index < m_data->size");
    EXPECT_ASSERT_DEATH(one[-1], "index >= 0 && index < m_data->size");
    EXPECT_ASSERT_DEATH(one.reserve(-1), "new_max_size >= 0");

    arraydata never_allocated = {};
    EXPECT_ASSERT_DEATH(array_memory<uint32_t>(&never_allocated), "arraydata->memory");
    EXPECT_ASSERT_DEATH(array_memory<uint32_t>(nullptr), "arraydata");

    // A header claiming more elements in use than the new capacity holds.
    uint32_t storage[4] = {};
    arraydata inconsistent = {storage, 4, 2};
    EXPECT_ASSERT_DEATH(array_grow<uint32_t>(&inconsistent, 3), "new_size > arraydata->size");
}
