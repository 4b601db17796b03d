# GALERIA_SANITIZADORES=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; the same tests then run under them.
option(GALERIA_SANITIZADORES "Compila com AddressSanitizer e UBSan" OFF)
if(GALERIA_SANITIZADORES)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()
