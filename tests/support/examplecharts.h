#pragma once
// The worked example charts, byte for byte.

namespace varnel::test {

// 25.5 inches, twelfth root, 3 frets, coarse inches.
inline constexpr const char* kFender3FretsCoarseInches =
    "Scale Length:     25 1/2  In.\r\n"
    "\r\n"
    "Fret Number In. from Nut In. from Fret\r\n"
    "=========== ============ =============\r\n"
    "          1      1 7/16        1 7/16   \r\n"
    "          2      2 25/32       1 11/32  \r\n"
    "          3      4 1/16        1 9/32   \r\n";

// 647.7 mm, twelfth root, 3 frets, fine millimetres.
inline constexpr const char* kFender3FretsFineMillimetres =
    "Scale Length: 647.7 mm\r\n"
    "\r\n"
    "Fret Number  mm from Nut  mm from Fret\r\n"
    "=========== ============ =============\r\n"
    "          1         36.4          36.4  \r\n"
    "          2         70.7          34.3  \r\n"
    "          3        103.1          32.4  \r\n";

}  // namespace varnel::test
