# Debian's packages, installed by tools/install-deps.sh.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

find_path(IRRLICHT_INCLUDE_DIR irrlicht.h PATH_SUFFIXES irrlicht REQUIRED)
find_library(IRRLICHT_LIBRARY Irrlicht REQUIRED)
find_package(OpenGL REQUIRED)
find_package(X11 REQUIRED)

pkg_check_modules(MOZJS REQUIRED IMPORTED_TARGET mozjs-102)
pkg_check_modules(BULLET REQUIRED IMPORTED_TARGET bullet)
pkg_check_modules(CURL REQUIRED IMPORTED_TARGET libcurl)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)
find_path(DUMB_INCLUDE_DIR dumb.h REQUIRED)
find_library(DUMB_LIBRARY dumb REQUIRED)

add_library(helixpane_deps INTERFACE)
add_library(helixpane::deps ALIAS helixpane_deps)
target_include_directories(helixpane_deps SYSTEM INTERFACE ${IRRLICHT_INCLUDE_DIR} ${DUMB_INCLUDE_DIR})
target_link_libraries(helixpane_deps INTERFACE
  ${IRRLICHT_LIBRARY} OpenGL::GL ${X11_LIBRARIES}
  PkgConfig::BULLET PkgConfig::CURL PkgConfig::VORBISFILE PkgConfig::ALSA
  ${DUMB_LIBRARY} Threads::Threads ${CMAKE_DL_LIBS})
# The script engine's headers are noisy; keep them behind -isystem.
target_include_directories(helixpane_deps SYSTEM INTERFACE ${MOZJS_INCLUDE_DIRS})
target_link_libraries(helixpane_deps INTERFACE ${MOZJS_LINK_LIBRARIES})
