# Refuses a toolbar bitmap that the resource compiler would take but that is
# not what the toolbar expects: ImageMagick quietly writes an 8-bit bitmap
# when a picture has more than 16 colours, and a newer header for plain BMP.
# Usage: cmake -DBITMAP=file.bmp -P CheckBitmap.cmake
file(READ "${BITMAP}" head LIMIT 30 HEX)
string(SUBSTRING "${head}" 0 4 magic)
string(SUBSTRING "${head}" 28 8 headerSize)
string(SUBSTRING "${head}" 36 8 width)
string(SUBSTRING "${head}" 44 8 height)
string(SUBSTRING "${head}" 56 4 bits)
if(NOT magic STREQUAL "424d" OR NOT headerSize STREQUAL "28000000"
        OR NOT width STREQUAL "18000000" OR NOT height STREQUAL "18000000"
        OR NOT bits STREQUAL "0400")
    file(REMOVE "${BITMAP}")
    message(FATAL_ERROR "${BITMAP}: not a 24 x 24 4-bit bitmap with a 40-byte header "
        "(magic ${magic}, header ${headerSize}, ${width} x ${height}, bits ${bits})")
endif()
