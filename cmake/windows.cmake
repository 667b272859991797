# zafrelo.exe: a GUI program (no console window) carrying its version resource and its icon.
# Included from the top-level CMakeLists.txt when building for Windows.

set_target_properties(zafrelo PROPERTIES WIN32_EXECUTABLE ON)

# The icon in the sizes Explorer, the Start menu and the taskbar ask for at 100 % to 200 % scale,
# rendered from the project's SVG at build time; 256 is stored as PNG, the smaller ones as bitmaps.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(svg ${ZAFRELO_DATOS}/icons/hicolor/scalable/apps/${ZAFRELO_ID}.svg)
set(ico ${CMAKE_CURRENT_BINARY_DIR}/zafrelo.ico)
set(pngs)
set(pasos)
foreach(lado 16 20 24 32 40 48 64)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icono/${lado}.png)
  list(APPEND pngs ${png})
  list(APPEND pasos COMMAND ${RSVG_CONVERT} -w ${lado} -h ${lado} ${svg} -o ${png})
endforeach()
set(grande ${CMAKE_CURRENT_BINARY_DIR}/icono/256.png)
add_custom_command(OUTPUT ${ico}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icono
  ${pasos}
  COMMAND ${RSVG_CONVERT} -w 256 -h 256 ${svg} -o ${grande}
  COMMAND ${ICOTOOL} -c -o ${ico} ${pngs} -r ${grande}
  DEPENDS ${svg}
  COMMENT "Rendering the Windows icon"
  VERBATIM)

# IDI_ICON1 is the name Qt's Windows platform plugin also takes as the windows' default icon.
set(rc_icono ${CMAKE_CURRENT_BINARY_DIR}/icono.rc)
file(WRITE ${rc_icono} "IDI_ICON1 ICON \"${ico}\"\n")
set_source_files_properties(${rc_icono} PROPERTIES OBJECT_DEPENDS ${ico})
target_sources(zafrelo PRIVATE ${ZAFRELO_DATOS}/zafrelo.rc ${rc_icono})
