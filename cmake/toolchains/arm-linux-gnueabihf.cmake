# Cross build for 32-bit ARM Linux with hardware floating point (Debian's
# armhf, as on a Raspberry Pi running the 32-bit system) with Debian's cross
# compilers (crossbuild-essential-armhf) and multiarch libraries
# (libpng-dev:armhf); programs built here run on this machine under
# qemu-user. A 32-bit target has no 128-bit integer, so the 80-bit software
# arithmetic builds its 128-bit steps from 32-bit halves.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
# Multiarch: the armhf libraries lie in /usr/lib/arm-linux-gnueabihf beside
# this machine's, their headers in /usr/include.
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
# Tests and test discovery run the armhf programs through the emulator.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L /usr/arm-linux-gnueabihf)
