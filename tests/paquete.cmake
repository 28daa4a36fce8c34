# The Debian package made from the built tree: every file the program reads, the desktop
# files, the licence, and Depends naming Qt 6 with its Spanish texts and SQLCipher.
# cmake -DCPACK=<cpack> -DDPKG_DEB=<dpkg-deb> -DCONFIG=<CPackConfig.cmake> -DRAIZ=<source dir>
#       -DTRABAJO=<scratch dir> -P paquete.cmake
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${TRABAJO})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -G DEB -B ${TRABAJO}
                RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
file(GLOB deb ${TRABAJO}/naipalia_*.deb)
if(NOT estado EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack made no package:\n${salida}")
endif()
execute_process(COMMAND ${DPKG_DEB} --contents ${deb} OUTPUT_VARIABLE contenido)
execute_process(COMMAND ${DPKG_DEB} --field ${deb} Depends OUTPUT_VARIABLE depende)
file(REMOVE_RECURSE ${TRABAJO})

set(programa usr/lib/games/naipalia)
file(GLOB_RECURSE medios RELATIVE ${RAIZ}/assets/programa ${RAIZ}/assets/programa/*)
list(TRANSFORM medios PREPEND "${programa}/")
set(esperados
    ${medios} ${programa}/naipalia ${programa}/naipalia-sonidos.so ${programa}/naipalia-base-datos.so
    ${programa}/naipalia.mdb ${programa}/naipalia.png
    "usr/games/naipalia -> ../lib/games/naipalia/naipalia" usr/share/applications/naipalia.desktop
    usr/share/metainfo/io.github.naipalia.Naipalia.metainfo.xml usr/share/icons/hicolor/scalable/apps/naipalia.svg
    usr/share/doc/naipalia/copyright usr/share/doc/naipalia/changelog.gz usr/share/man/man6/naipalia.6.gz)
set(faltan)
foreach(archivo IN LISTS esperados)
  string(FIND "${contenido}" " ./${archivo}\n" donde)
  if(donde EQUAL -1)
    list(APPEND faltan ${archivo})
  endif()
endforeach()
if(faltan)
  list(JOIN faltan "\n  " faltan)
  message(FATAL_ERROR "Missing from the package:\n  ${faltan}\nIt holds:\n${contenido}")
endif()
# Each icon in the folder of its size: the file drawn at that size.
foreach(lado 48 64 128 256)
  set(fuente ${RAIZ}/assets/escritorio/naipalia-${lado}.png)
  if(lado EQUAL 256)
    set(fuente ${RAIZ}/assets/escritorio/naipalia.png)
  endif()
  file(SIZE ${fuente} bytes)
  if(NOT contenido MATCHES " ${bytes} [-0-9]+ [:0-9]+ ./usr/share/icons/hicolor/${lado}x${lado}/apps/naipalia.png\n")
    message(FATAL_ERROR "No ${lado} px icon in its folder:\n${contenido}")
  endif()
endforeach()
# The database ships read-only: players get a copy in their data folder.
if(NOT contenido MATCHES "-r--r--r-- root/root [^\n]* ./${programa}/naipalia.mdb\n")
  message(FATAL_ERROR "The installed database is not read-only:\n${contenido}")
endif()
foreach(paquete libqt6widgets6 libqt6multimedia6 libsqlcipher0 qt6-translations-l10n)
  if(NOT depende MATCHES "(^|, )${paquete}( |,|$)")
    message(FATAL_ERROR "Depends lacks ${paquete}: ${depende}")
  endif()
endforeach()
