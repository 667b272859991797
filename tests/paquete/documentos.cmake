# What the README and the guides name of the repository is there: every path in backquotes that
# starts with one of the project's folders (globs such as `docs/guia/*.png` must match something),
# and every picture they show.
#   cmake -DFUENTES=<source folder> -P this file

cmake_minimum_required(VERSION 3.21)
set(fallos)
file(GLOB documentos ${FUENTES}/README.md ${FUENTES}/docs/*.md)
foreach(documento IN LISTS documentos)
  file(READ ${documento} texto)
  get_filename_component(carpeta ${documento} DIRECTORY)
  string(REGEX MATCHALL "`((src|scripts|tests|data|docs|cmake|bench|\\.ci)/[^` \n]*)`" nombres "${texto}")
  string(REGEX MATCHALL "\\(([a-z0-9/._-]+\\.(png|md))\\)" enlaces "${texto}")
  foreach(nombre IN LISTS nombres enlaces)
    if(nombre MATCHES "^`(.*)`$")
      set(ruta ${FUENTES}/${CMAKE_MATCH_1})
    elseif(nombre MATCHES "^\\((.*)\\)$")
      set(ruta ${carpeta}/${CMAKE_MATCH_1})
    endif()
    file(GLOB hallados ${ruta})
    if(NOT hallados AND NOT EXISTS ${ruta})
      list(APPEND fallos "${documento}: ${nombre}")
    endif()
  endforeach()
endforeach()
if(fallos)
  list(JOIN fallos "\n  " lista)
  message(FATAL_ERROR "named but not in the repository:\n  ${lista}")
endif()
