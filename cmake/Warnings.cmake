# Every target of ours compiles with the same warnings in both trees.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow)
if(QUINTERRA_WERROR)
    add_compile_options(-Werror)
endif()
