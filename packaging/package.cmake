# The Debian package, made with CPack: cpack -G DEB in a build folder.
set(CPACK_PACKAGE_NAME velsora)
set(CPACK_PACKAGE_VENDOR "${VELSORA_PUBLISHER}")
set(CPACK_PACKAGE_CONTACT "${VELSORA_CONTACT}")
set(CPACK_PACKAGE_VERSION "${VELSORA_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VELSORA_SUMMARY}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velsora)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION "${VELSORA_VERSION}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# "Times New Roman" is drawn with its metric twin from Liberation: the layout is measured in its
# metrics, and another font clips three-digit numbers in their cells. Qt's own texts (menus,
# message box buttons) come in Bulgarian from Qt's translations. Both join the library dependencies.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velsora is a puzzle for building a magic square by hand, with a Bulgarian
interface. Choose an odd side from 3 to 11, then move the numbers from a list
into a grid of buttons and back again.
.
After every click the sum of every row and every column is shown, so the
player can see when all of them reach the magic constant. The game can be
played with the mouse or the keyboard.")

# One source, one package: every file in it is dated at the source's last commit, unless the
# builder sets SOURCE_DATE_EPOCH, as Debian's own tools do.
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE source_date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(source_date)
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackSourceDate.cmake)
    file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
         "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n    set(ENV{SOURCE_DATE_EPOCH} ${source_date})\nendif()\n")
endif()

include(CPack)
