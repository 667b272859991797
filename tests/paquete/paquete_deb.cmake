# The Debian package as cpack builds it, read with dpkg-deb: its name, version and section, the
# runtime it depends on, and the files it puts on the machine. Every library the program loads
# directly must come from a package it depends on.
#   cmake -DCPACK=<cpack> -DCONSTRUCCION=<build folder> -DID=<application id>
#         -DVERSION=<project version> -DTEMPORAL=<scratch folder> -P this file

cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE ${TEMPORAL})
execute_process(COMMAND ${CPACK} -G DEB --config ${CONSTRUCCION}/CPackConfig.cmake -B ${TEMPORAL}
                RESULT_VARIABLE rc OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(rc)
  message(FATAL_ERROR "cpack failed:\n${salida}")
endif()
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arquitectura
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb ${TEMPORAL}/zafrelo_${VERSION}_${arquitectura}.deb)
if(NOT EXISTS ${deb})
  file(GLOB hechos ${TEMPORAL}/*.deb)
  message(FATAL_ERROR "no ${deb}; cpack made: ${hechos}")
endif()
set(fallos)

execute_process(COMMAND dpkg-deb -I ${deb} RESULT_VARIABLE rc OUTPUT_VARIABLE info
                ERROR_VARIABLE error)
if(rc)
  message(FATAL_ERROR "dpkg-deb -I ${deb}:\n${error}")
endif()
foreach(campo Package Version Architecture Section Maintainer Depends Description)
  if(info MATCHES "\n ${campo}: ([^\n]*)")
    set(campo_${campo} "${CMAKE_MATCH_1}")
  endif()
endforeach()
foreach(par "Package=zafrelo" "Version=${VERSION}" "Architecture=${arquitectura}"
            "Section=education")
  string(REPLACE "=" ";" par "${par}")
  list(GET par 0 campo)
  list(GET par 1 valor)
  if(NOT "${campo_${campo}}" STREQUAL "${valor}")
    list(APPEND fallos "${campo}: '${campo_${campo}}', expected '${valor}'")
  endif()
endforeach()
if(NOT "${campo_Maintainer}" MATCHES "<https://[^>]+/issues>$" OR "${campo_Description}" STREQUAL "")
  list(APPEND fallos "Maintainer '${campo_Maintainer}' names no issue tracker, or no Description")
endif()

# Depends: the names, without their version constraints.
string(REPLACE "," ";" dependencias "${campo_Depends}")
set(paquetes)
foreach(d IN LISTS dependencias)
  string(REGEX REPLACE "\\(.*\\)" "" d "${d}")
  string(STRIP "${d}" d)
  list(APPEND paquetes ${d})
endforeach()
foreach(necesario libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2)
  if(NOT necesario IN_LIST paquetes)
    list(APPEND fallos "Depends lacks ${necesario}: ${campo_Depends}")
  endif()
endforeach()

# The files, owned by root, under /usr.
execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE contenido)
set(esperados
    "-rwxr-xr-x root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/bin/zafrelo\n"
    "\\./usr/share/applications/${ID}\\.desktop\n"
    "\\./usr/share/metainfo/${ID}\\.metainfo\\.xml\n"
    "\\./usr/share/icons/hicolor/scalable/apps/${ID}\\.svg\n"
    "\\./usr/share/doc/zafrelo/copyright\n")
foreach(n 16 32 48 64 128 256)
  list(APPEND esperados "\\./usr/share/icons/hicolor/${n}x${n}/apps/${ID}\\.png\n")
endforeach()
foreach(patron IN LISTS esperados)
  if(NOT contenido MATCHES "${patron}")
    list(APPEND fallos "not in the package: ${patron}")
  endif()
endforeach()
if(contenido MATCHES " \\./(usr/local|home|root|tmp)/")
  list(APPEND fallos "files outside /usr:\n${contenido}")
endif()

# Each library the packaged program names (ELF NEEDED) belongs to a package it depends on, or the
# machine could lack it.
execute_process(COMMAND dpkg-deb -x ${deb} ${TEMPORAL}/raiz)
execute_process(COMMAND readelf -d ${TEMPORAL}/raiz/usr/bin/zafrelo OUTPUT_VARIABLE dinamica
                RESULT_VARIABLE rc)
if(rc)
  list(APPEND fallos "readelf could not read the packaged program")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^[]*\\[[^]]+\\]" necesarias "${dinamica}")
foreach(linea IN LISTS necesarias)
  string(REGEX REPLACE ".*\\[(.+)\\]" "\\1" biblioteca "${linea}")
  execute_process(COMMAND dpkg -S "*/${biblioteca}" OUTPUT_VARIABLE duenos
                  ERROR_QUIET)
  string(REGEX MATCHALL "(^|\n)[^:\n]+" nombres "${duenos}")
  set(cubierta FALSE)
  foreach(nombre IN LISTS nombres)
    string(STRIP "${nombre}" nombre)
    if(nombre IN_LIST paquetes)
      set(cubierta TRUE)
    endif()
  endforeach()
  if(NOT cubierta)
    string(REPLACE "\n" " " duenos "${duenos}")
    list(APPEND fallos "${biblioteca} (from: ${duenos}) is not in Depends")
  endif()
endforeach()
if(NOT necesarias)
  list(APPEND fallos "the packaged program names no shared library")
endif()

if(fallos)
  list(JOIN fallos "\n  " lista)
  message(FATAL_ERROR "package ${deb}:\n  ${lista}\n\n${info}")
endif()
message(STATUS "${deb}: ${campo_Depends}")
