# The Debian package, made by `cpack -G DEB` in a build folder configured
# with CMAKE_INSTALL_PREFIX=/usr (scripts/package does both).
set(CPACK_PACKAGE_NAME parabel)
set(CPACK_PACKAGE_VENDOR "Parabel developers")
# Parabel has no web site and no mailing address, so the package names no
# homepage. Debian's Maintainer field must hold a mail address (policy 5.6.2;
# lintian reports a bare name as malformed-contact and a host such as
# localhost as bogus-mail-host), so it holds one under the reserved top-level
# domain .invalid, which by definition reaches no one, until there is a real
# one.
set(CPACK_PACKAGE_CONTACT "Parabel developers <parabel@parabel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quadratic equation solver with worked solutions and plots")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME parabel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window on a Wayland desktop (without the plugin Qt falls back to X11
# through Xwayland) and Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# The long description under the summary line; CPack indents it as Debian's
# control file wants and turns the empty line into a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Parabel solves a quadratic equation typed as text, such as x^2-5x+6=0, and
writes the worked solution in Russian line by line: the discriminant with
its formula, the case, the root formulas with the numbers put in and the
answer. Beside it the parabola is drawn on fixed axes with the real roots
labelled; the plot can be shown across the whole screen.

The solution saves as a text file, the plot as a BMP picture, and an
equation loads from a text file. The solution with its plot prints on one
page, after a preview, or saves as a PDF whose text can be selected and
searched. The equation field keeps a history of the last 50 equations
solved, brought back by the arrow keys or from a drop-down list. All
arithmetic is done in 80-bit extended precision. The command-line companion parabel-cli prints the same solutions
and writes the same pictures without a window.]=])

# The package's architecture is the target's: a 32-bit build on an amd64
# machine makes an i386 package, a cross build for arm64 an arm64 one, one
# for 32-bit ARM with hardware floating point an armhf one.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
    else()
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
    endif()
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
elseif(CMAKE_LIBRARY_ARCHITECTURE STREQUAL "arm-linux-gnueabihf")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
else()
    find_program(DPKG_EXECUTABLE dpkg)
    if(DPKG_EXECUTABLE)
        execute_process(COMMAND ${DPKG_EXECUTABLE} --print-architecture
                        OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
endif()

include(CPack)
