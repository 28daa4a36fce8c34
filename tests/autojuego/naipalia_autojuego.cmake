# The self-play harness, shared by its test and its benchmark (whichever comes first defines it).
if(NOT TARGET naipalia-autojuego)
  add_library(naipalia-autojuego STATIC ${CMAKE_CURRENT_LIST_DIR}/autojuego.cpp)
  target_link_libraries(naipalia-autojuego PUBLIC naipalia-guiones naipalia-falsos)
endif()
