# Windows DLLs that Qt links into the program but that the program does not call at start: they are
# bound on first use instead of at load ("delay-loaded"), so that Windows, and Wine, load neither
# them nor what they pull in (Wine's Direct3D brings its OpenGL, its dialogs bring printing and
# CUPS, its sockets bring DNS). Delay-import libraries of the same names, made by dlltool from
# MinGW-w64's import libraries, come first on the link's search path. Each with the reason Qt
# imports it at all:
set(VELSORA_DELAY_LOADED
    d3d9     # the graphics-card check for OpenGL windows (this window is not one)
    d3d11    # the Direct3D 11 renderer, for windows drawn through it (this one is drawn by the
    dxgi     #   raster engine and GDI)
    dwrite   # DirectWrite, for Qt 6.8's default font engine (Qt 6.4 draws text with GDI)
    d2d1     # Direct2D, for DirectWrite's colour fonts
    comdlg32 # the native file, colour and font dialogs (the program opens none)
    ws2_32   # sockets in the event loop (the program has none)
    netapi32 # network shares in the file engine (the program opens no file)
    authz    # file permissions in the file engine (the same)
    userenv  # the user's profile folder for standard paths (the program keeps no files)
    winmm    # multimedia timers, for timers of under 20 ms (the program starts none)
)
set(VELSORA_DELAY_LOAD_DIR ${PROJECT_BINARY_DIR}/delay-load)
file(MAKE_DIRECTORY ${VELSORA_DELAY_LOAD_DIR})
string(REGEX REPLACE "-g\\+\\+(-posix)?$" "" mingw_prefix ${CMAKE_CXX_COMPILER})
find_program(VELSORA_DLLTOOL ${mingw_prefix}-dlltool REQUIRED)
find_program(VELSORA_NM ${mingw_prefix}-nm REQUIRED)
foreach(dll IN LISTS VELSORA_DELAY_LOADED)
    find_library(VELSORA_IMPORT_${dll} ${dll} REQUIRED)
    execute_process(COMMAND ${VELSORA_NM} ${VELSORA_IMPORT_${dll}} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I __imp_" "")
    list(JOIN imports "\n" exports)
    file(WRITE ${VELSORA_DELAY_LOAD_DIR}/${dll}.def "EXPORTS\n${exports}\n")
    execute_process(COMMAND ${VELSORA_DLLTOOL} --input-def ${VELSORA_DELAY_LOAD_DIR}/${dll}.def --dllname ${dll}.dll
                            --output-delaylib ${VELSORA_DELAY_LOAD_DIR}/lib${dll}.a COMMAND_ERROR_IS_FATAL ANY)
endforeach()
