#!/bin/sh
# Writes one batch line for every date the reader accepts, in both readings: 1950 to 2025,
# months 1 to 12, days 1 to 31, lunar first.
exec awk 'BEGIN {
  split("lunar solar", modes, " ")
  for (m = 1; m <= 2; m++)
    for (year = 1950; year <= 2025; year++)
      for (month = 1; month <= 12; month++)
        for (day = 1; day <= 31; day++)
          printf "%d\t%d\t%d\t%s\n", year, month, day, modes[m]
}'
