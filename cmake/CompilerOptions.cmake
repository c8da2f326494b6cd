# Options shared by every target of both builds.

# Both compilers must compute the same floats: no fused multiply-add.
add_compile_options(-ffp-contract=off)
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow
                    -Wold-style-cast -Woverloaded-virtual -Werror)

if(WIN32)
  # The DLL must import only Windows system libraries.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # g++ 12 at -O2 reports overlapping copies inside std::string's operator+
  # that cannot happen (GCC bug 105329).
  add_compile_options(-Wno-restrict)
endif()

if(JOLVENT_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
