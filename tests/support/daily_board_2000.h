// The daily board of 1 January 2000, the board several tests check cell by cell: as dealt, and
// after its touching mines were moved apart.
#pragma once

#include <cstdint>

constexpr uint32_t DAILY_2000_SEED = 852472812u;

inline const char* const DAILY_2000_DEALT =
    "Jd  2c  6d  8d  6h  10c Kd  **  5c \n"
    "5d  9h  7d  Kc  Qd  3h  4h  Jc  7c \n"
    "6c  **  3d  3c  2h  10d 8h  4d  5h \n"
    "Ac  Kh  9d  **  **  8c  10h Qc  2d \n"
    "Ad  **  **  Jh  Qh  Ah  4c  9c  7h \n";

inline const char* const DAILY_2000_FINAL =
    "Jd  2c  6d  8d  6h  10c 7d  **  5c \n"
    "5d  9h  **  Kc  Qd  3h  4h  Jc  7c \n"
    "6c  **  3d  3c  2h  10d 8h  4d  5h \n"
    "**  Kh  9d  Kd  **  8c  10h Qc  2d \n"
    "Ad  Ac  **  Jh  Qh  Ah  4c  9c  7h \n";
