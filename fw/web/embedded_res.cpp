// The compiled resources (.res), built into the program itself. The
// assembler copies the file's bytes in.
#ifndef QUINTARO_RES_FILE
#error "QUINTARO_RES_FILE must name the compiled resource file"
#endif

asm(".section .rodata.quintaro_res,\"\",@\n"
    ".globl quintaro_res_begin\n"
    ".globl quintaro_res_end\n"
    ".balign 16\n"
    "quintaro_res_begin:\n"
    ".incbin \"" QUINTARO_RES_FILE "\"\n"
    "quintaro_res_end:\n"
    ".size quintaro_res_begin, quintaro_res_end - quintaro_res_begin\n"
    ".size quintaro_res_end, 0\n");
