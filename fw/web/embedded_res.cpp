// The compiled resources (.res), built into the program itself. The
// assembler copies the file's bytes in.
#include "fw/web/resources.h"

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
    ".size quintaro_res_begin, quintaro_res_end - quintaro_res_begin\n");

extern "C" const uint8_t quintaro_res_begin[] asm("quintaro_res_begin");
extern "C" const uint8_t quintaro_res_end[] asm("quintaro_res_end");

const ResourceList& ProgramResources() {
    static ResourceList list;
    static bool parsed = false;
    if (!parsed) {
        parsed = true;
        if (!ParseResFile(quintaro_res_begin, size_t(quintaro_res_end - quintaro_res_begin), list))
            list.clear();
    }
    return list;
}
