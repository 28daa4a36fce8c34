# cmake -DDESDE=<file> -DHASTA=<file> -P copiar_si_falta.cmake: a copy only where none is.
if(NOT EXISTS ${HASTA})
  file(COPY_FILE ${DESDE} ${HASTA})
endif()
