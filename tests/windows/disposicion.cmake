# The tests cross-built for Windows run under Wine straight from the build folder (the emulator is
# CMAKE_CROSSCOMPILING_EMULATOR; tests/windows/pruebas_en_wine gives them a fresh prefix). Laid out
# beside them, as beside zafrelo.exe on a pupil's machine: the DLLs they load, and the offscreen
# platform plugin, which the Windows package does not ship.
# qt_standard_project_setup() puts every executable of a Windows build in one folder.
set(destino ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE ruta OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${ruta}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${dll}")
  endif()
  list(APPEND dlls ${ruta})
endforeach()
foreach(modulo Core Gui Widgets Test)
  list(APPEND dlls $<TARGET_FILE:Qt6::${modulo}>)
endforeach()

# Offscreen on Windows draws text with FreeType from a font folder (QT_QPA_FONTDIR), not from the
# Windows fonts. Liberation Sans alone, Arial's metric twin, so that every font the program asks
# for resolves to it, as Arial on Windows and fontconfig's substitute on Linux.
file(GLOB liberation_sans /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf)
if(NOT liberation_sans)
  message(FATAL_ERROR "Liberation Sans not found: install fonts-liberation2")
endif()

add_custom_target(disposicion_windows ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dlls} ${destino}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${destino}/platforms ${destino}/fuentes
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
          $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${destino}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${liberation_sans} ${destino}/fuentes
  COMMENT "Laying out the DLLs, the offscreen plugin and the fonts beside the Windows tests"
  VERBATIM)
# Wine's drive Z: is the Linux root. Without a console, a Windows program's Qt sends its warnings
# and the tests' figures to the debugger: to stderr instead, into the test log.
list(APPEND zafrelo_entorno WINEQT_QPA_FONTDIR=Z:${destino}/fuentes WINEQT_FORCE_STDERR_LOGGING=1)
