// The compiled resources (.res), built into the program itself so that it
// needs no file beside it. The assembler copies the file's bytes in.
#ifndef QUINTARO_RES_FILE
#error "QUINTARO_RES_FILE must name the compiled resource file"
#endif

asm(".section .rodata\n"
    ".globl quintaro_res_begin\n"
    ".globl quintaro_res_end\n"
    ".balign 16\n"
    "quintaro_res_begin:\n"
    ".incbin \"" QUINTARO_RES_FILE "\"\n"
    "quintaro_res_end:\n"
    ".previous\n");
