/* The firmware image set, linked in as read-only data. Each file is framed by a start and an
   end symbol; the image directory is on the assembler's include path. */

#define EMBED(symbol, file)        \
    .global symbol##_start;        \
    .global symbol##_end;          \
    .balign 16;                    \
symbol##_start:                    \
    .incbin file;                  \
symbol##_end:

    .section .rodata.quill_images, "a", @progbits

EMBED(quill_reserved_134, "reserved_134.bin")
EMBED(quill_ef64_info, "ef64_info.bin")
EMBED(quill_ef32_0_info, "ef32_0_info.bin")
EMBED(quill_ef64_main_1, "ef64_main_1.bin")
EMBED(quill_ef64_main_2, "ef64_main_2.bin")
EMBED(quill_ef64_main_3, "ef64_main_3.bin")
EMBED(quill_ef64_main_4, "ef64_main_4.bin")
EMBED(quill_ef64_main_5, "ef64_main_5.bin")
EMBED(quill_ef32_0_main_1, "ef32_0_main_1.bin")
EMBED(quill_ef32_0_main_2, "ef32_0_main_2.bin")
EMBED(quill_ef32_0_main_3, "ef32_0_main_3.bin")
EMBED(quill_ef32_0_main_4, "ef32_0_main_4.bin")
EMBED(quill_ef32_0_main_5, "ef32_0_main_5.bin")

    .section .note.GNU-stack, "", @progbits
