# Warning flags carried by an INTERFACE target that every project target links.
add_library(galeria_avisos INTERFACE)
target_compile_options(galeria_avisos INTERFACE -Wall -Wextra)
