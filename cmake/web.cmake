# The WebAssembly build, configured with emcmake: dream-sim and the libraries under it, no
# SFML, mpg123, X11 or fontconfig. Its libraries are the ones scripts/web_deps.sh built with
# emcc into DA_WEB_DEPS; its pictures and sounds come from a desktop build (DA_DESKTOP_BUILD).
set(DA_WEB ON)
set(DA_WEB_DEPS ${PROJECT_BINARY_DIR}/web-deps/prefix CACHE PATH "The libraries built by scripts/web_deps.sh")
set(DA_DESKTOP_BUILD ${PROJECT_SOURCE_DIR}/build CACHE PATH "A desktop build whose staged resources the driver plays with")
if(NOT EXISTS ${DA_WEB_DEPS}/lib/libfreetype.a)
  message(FATAL_ERROR "No WebAssembly libraries in ${DA_WEB_DEPS}: run scripts/web_deps.sh ${PROJECT_BINARY_DIR}")
endif()
set(DA_BUILD_BENCH OFF)
set(DA_BUILD_FUZZ OFF)

# The blend's SSE2 kernels compile to WebAssembly SIMD; its AVX2 ones are x86's alone.
add_compile_options(-msimd128 -msse2)
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
string(REPLACE "-O3" "-O2" CMAKE_C_FLAGS_RELEASE "${CMAKE_C_FLAGS_RELEASE}")
# One thread, in the page (no SharedArrayBuffer, so no cross-origin isolation) and in the
# driver under node alike: the window has no thread of its own (DA_ONE_THREAD), so the two
# share one build of the libraries (scripts/web_deps.sh), none of them built with -pthread.
set(DA_ONE_THREAD ON)
if(DA_WEB_PAGE)
  # The page (web/CMakeLists.txt) has its own link options. Its files are downloaded by every
  # player: of the fonts, only the monospaced faces, which the game's one face name
  # (Consolas, a monospaced one) resolves to natively and here.
  set(DA_WEB_FACES monospace)
else()
  # Under node the program reads and writes the real files of its working directory (NODERAWFS),
  # as the desktop's does: the replays, the staged data and the files it writes are all
  # plain paths given on the command line, so nothing is packed at build time. Its exit status
  # is the program's.
  add_link_options(-sALLOW_MEMORY_GROWTH=1 -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node)
endif()

set(ZLIB_INCLUDE_DIR ${DA_WEB_DEPS}/include CACHE PATH "" FORCE)
set(ZLIB_LIBRARY ${DA_WEB_DEPS}/lib/libz.a CACHE FILEPATH "" FORCE)
add_library(PkgConfig::PNG INTERFACE IMPORTED)
target_include_directories(PkgConfig::PNG INTERFACE ${DA_WEB_DEPS}/include)
target_link_libraries(PkgConfig::PNG INTERFACE ${DA_WEB_DEPS}/lib/libpng16.a ${DA_WEB_DEPS}/lib/libz.a)
add_library(PkgConfig::FREETYPE INTERFACE IMPORTED)
target_include_directories(PkgConfig::FREETYPE INTERFACE ${DA_WEB_DEPS}/include/freetype2)
target_link_libraries(PkgConfig::FREETYPE INTERFACE ${DA_WEB_DEPS}/lib/libfreetype.a)
