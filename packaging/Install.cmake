# Installing the program as a Linux desktop application, and packing that
# installation into a Debian package with CPack.
#
# `cmake --install` lays out, under the prefix (GNUInstallDirs):
#   bin/waves                                              the program
#   share/applications/<app id>.desktop                    the menu entry
#   share/icons/hicolor/scalable/apps/<app id>.svg         the icon
#   share/metainfo/<app id>.metainfo.xml                   the AppStream data
#   share/man/man1/waves.1, share/man/ja/man1/waves.1      the manual pages, English and Japanese
#   share/doc/waves/README.md, README.ja.md, LICENSE       the documentation
# The Debian package holds the same files under /usr, laid out as Debian
# does: the licence is share/doc/waves/copyright and the manual page is
# compressed (waves.1.gz).
#
# Included from the top-level CMakeLists.txt after the ui/ directory, so
# that the `waves` target exists.

if(NOT TARGET waves)
    return()
endif()

include(GNUInstallDirs)

# The reverse-DNS application id names the desktop entry, the icon and the
# AppStream component; the three must agree for desktops and software
# centres to tie them together.
set(WAVES_APP_ID "io.github.wavesclassroom.Waves")
# The program names its desktop entry to the desktop (Wayland ties the
# window to the entry's name and icon through it).
target_compile_definitions(waves PRIVATE WAVES_APP_ID="${WAVES_APP_ID}")
set(WAVES_HOMEPAGE "https://github.com/wavesclassroom/waves")
# AppStream wants a web address for every screenshot: software centres
# download it. This is the README's picture at the release's tag, so the
# picture shown for a release is the one of that release.
set(WAVES_SCREENSHOT_URL
    "https://raw.githubusercontent.com/wavesclassroom/waves/v${PROJECT_VERSION}/docs/screenshot.png")
# The metainfo gives the picture's size; it is read from the PNG header, so
# a new screenshot reconfigures the build and the size follows it.
set(waves_screenshot "${PROJECT_SOURCE_DIR}/docs/screenshot.png")
set(WAVES_SCREENSHOT_SIZE "")
if(EXISTS "${waves_screenshot}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${waves_screenshot}")
    file(READ "${waves_screenshot}" waves_png_header LIMIT 24 HEX)
    # Signature, then the IHDR chunk: its length, its name, width, height.
    string(SUBSTRING "${waves_png_header}" 24 8 waves_png_chunk)
    if(NOT waves_png_chunk STREQUAL "49484452")
        message(FATAL_ERROR "${waves_screenshot} is not a PNG image")
    endif()
    string(SUBSTRING "${waves_png_header}" 32 8 waves_png_width)
    string(SUBSTRING "${waves_png_header}" 40 8 waves_png_height)
    math(EXPR waves_png_width "0x${waves_png_width}")
    math(EXPR waves_png_height "0x${waves_png_height}")
    set(WAVES_SCREENSHOT_SIZE " width=\"${waves_png_width}\" height=\"${waves_png_height}\"")
else()
    message(WARNING "No ${waves_screenshot}: the metainfo's screenshot has no size")
endif()
set(WAVES_MAINTAINER "The waves classroom contributors <wavesclassroom@users.noreply.github.com>")

get_target_property(WAVES_EXECUTABLE waves OUTPUT_NAME)
if(NOT WAVES_EXECUTABLE)
    set(WAVES_EXECUTABLE waves)
endif()

set(waves_desktop_dir "${PROJECT_SOURCE_DIR}/packaging")
set(waves_generated_dir "${PROJECT_BINARY_DIR}/packaging")
configure_file("${waves_desktop_dir}/waves.desktop.in"
               "${waves_generated_dir}/${WAVES_APP_ID}.desktop" @ONLY)
configure_file("${waves_desktop_dir}/waves.metainfo.xml.in"
               "${waves_generated_dir}/${WAVES_APP_ID}.metainfo.xml" @ONLY)
configure_file("${waves_desktop_dir}/waves.1.in" "${waves_generated_dir}/waves.1" @ONLY)
# gzip -n leaves out the name and time stamp, so the package's bytes depend
# on the page alone.
execute_process(
    COMMAND gzip -9 -n -c "${waves_generated_dir}/waves.1"
    OUTPUT_FILE "${waves_generated_dir}/waves.1.gz"
    RESULT_VARIABLE waves_gzip_result)
if(NOT waves_gzip_result EQUAL 0)
    message(FATAL_ERROR "cannot compress the manual page: ${waves_gzip_result}")
endif()

# The Japanese manual page, written as groff reads it without help
# (japanese_manual_page.py: escapes and break points between characters).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(waves_japanese_page_script "${waves_desktop_dir}/japanese_manual_page.py")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${waves_japanese_page_script}")
configure_file("${waves_desktop_dir}/waves.ja.1.in" "${waves_generated_dir}/waves.ja.1.in" @ONLY)
file(MAKE_DIRECTORY "${waves_generated_dir}/ja")
execute_process(
    COMMAND "${Python3_EXECUTABLE}" "${waves_japanese_page_script}"
            "${waves_generated_dir}/waves.ja.1.in" "${waves_generated_dir}/ja/waves.1"
    RESULT_VARIABLE waves_japanese_page_result)
execute_process(
    COMMAND gzip -9 -n -c "${waves_generated_dir}/ja/waves.1"
    OUTPUT_FILE "${waves_generated_dir}/ja/waves.1.gz"
    RESULT_VARIABLE waves_gzip_result)
if(NOT waves_japanese_page_result EQUAL 0 OR NOT waves_gzip_result EQUAL 0)
    message(FATAL_ERROR "cannot write the Japanese manual page")
endif()

install(TARGETS waves RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${waves_generated_dir}/${WAVES_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${waves_desktop_dir}/waves.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${WAVES_APP_ID}.svg")
install(FILES "${waves_generated_dir}/${WAVES_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/README.ja.md" DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# Two file names depend on who installs: CPack's Debian build sets
# WAVES_DEBIAN_LAYOUT (below) and gets Debian's: the licence as `copyright`
# and the manual page compressed.
foreach(kind DOCDIR MANDIR)
    if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
        set(waves_${kind} "${CMAKE_INSTALL_${kind}}")
    else()
        set(waves_${kind} "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_${kind}}")
    endif()
endforeach()
install(CODE "
    if(WAVES_DEBIAN_LAYOUT)
        set(waves_license_name copyright)
        set(waves_manual_page \"${waves_generated_dir}/waves.1.gz\")
        set(waves_japanese_manual_page \"${waves_generated_dir}/ja/waves.1.gz\")
    else()
        set(waves_license_name LICENSE)
        set(waves_manual_page \"${waves_generated_dir}/waves.1\")
        set(waves_japanese_manual_page \"${waves_generated_dir}/ja/waves.1\")
    endif()
    file(INSTALL DESTINATION \"${waves_DOCDIR}\" TYPE FILE
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
         RENAME \"\${waves_license_name}\" FILES \"${PROJECT_SOURCE_DIR}/LICENSE\")
    file(INSTALL DESTINATION \"${waves_MANDIR}/man1\" TYPE FILE
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
         FILES \"\${waves_manual_page}\")
    file(INSTALL DESTINATION \"${waves_MANDIR}/ja/man1\" TYPE FILE
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
         FILES \"\${waves_japanese_manual_page}\")
")

# The Debian package `waves`. Its dependencies are the libraries the
# program links (found by dpkg-shlibdeps: the Qt 6 Core, Gui and Widgets
# runtime packages, which on Debian 12 also hold the xcb and offscreen
# platform plugins) and the fonts that stand in for the layout's Windows
# fonts, which no library link reveals.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "waves")
set(CPACK_PACKAGE_VENDOR "The waves classroom contributors")
set(CPACK_PACKAGE_CONTACT "${WAVES_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom tool showing how waves add up and multiply")
set(CPACK_PACKAGE_HOMEPAGE_URL "${WAVES_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_CUSTOM_INSTALL_VARIABLES "WAVES_DEBIAN_LAYOUT=ON")

set(CPACK_DEBIAN_PACKAGE_NAME "waves")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description below the summary line; CPack indents it and
# turns the empty line into the control file's paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Four waves, each a sine or a cosine with its own amplitude and frequency,
are drawn one under the other with their sum below them. Beside each wave
the program draws its product with a reference wave, and beside the sum
the sum of those products. Every click on an arrow redraws at once all
that depends on it, so students see how a sum of waves builds up a shape
(beats, an almost square wave) and how multiplying by a reference wave
picks out one frequency, the idea behind mixing, modulation and Fourier
analysis.

Made for the classroom: shown on a projector, used with the mouse, the
keyboard or a screen reader; Ctrl+C copies the picture for a worksheet.")

include(CPack)
