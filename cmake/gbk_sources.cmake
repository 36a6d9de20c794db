# Narrow string literals of the core are GBK (code page 936) bytes: the system's texts are written
# readably in the source and compiled to the bytes the system works in.
function(vq_gbk_literals target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP936)
endfunction()
