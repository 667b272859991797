# The browser build (Qt for WebAssembly, scripts/web). Included from the top-level CMakeLists.txt
# once the targets exist.

target_sources(zafrelo_core PRIVATE src/shell/plataforma_web.h src/shell/plataforma_web.cpp)

# Liberation Sans stands in for Arial, as on Linux desktops; a page has no fonts of its own, so the
# program carries it. Taken from the build machine (Debian: fonts-liberation2), never committed.
find_path(ZAFRELO_LIBERATION_SANS LiberationSans-Regular.ttf
  PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH DOC "Folder of LiberationSans-Regular.ttf")
if(NOT ZAFRELO_LIBERATION_SANS)
  message(FATAL_ERROR "Liberation Sans not found: install fonts-liberation2")
endif()
set(fuentes)
foreach(estilo Regular Bold)
  set(archivo ${ZAFRELO_LIBERATION_SANS}/LiberationSans-${estilo}.ttf)
  set_source_files_properties(${archivo} PROPERTIES QT_RESOURCE_ALIAS LiberationSans-${estilo}.ttf)
  list(APPEND fuentes ${archivo})
endforeach()
qt_add_resources(zafrelo_core fuentes_web PREFIX /fuentes FILES ${fuentes})

# Nothing in the program waits inside an event loop of its own (the run of "=" is driven by the
# timer, dialogs return at once), so the page needs no Asyncify: a smaller download, a quicker link.
target_link_options(zafrelo PRIVATE -Os)
# The page's loader (data/web/carga.js) starts the program by this name, Qt 6.4's default; Qt 6.8
# names it after the target unless told.
set_target_properties(zafrelo PROPERTIES QT_WASM_EXPORT_NAME createQtAppInstance)
