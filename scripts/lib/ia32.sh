# Sourced. ia32_runs: whether this machine's kernel executes 32-bit x86 code.
# Some kernels run 64-bit user code only ("IA-32 emulation off"); there an
# i386 program, and so 32-bit Wine, fails with "Exec format error". The probe
# is a three-instruction i386 program assembled on the spot (binutils comes
# with g++), so the answer needs neither Wine nor any i386 package.
# On failure IA32_WHY holds the reason in a few words.
ia32_runs() {
  local dir rc
  IA32_WHY=
  dir="$(mktemp -d)"
  printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' > "$dir/p.s"
  if ! { as --32 -o "$dir/p.o" "$dir/p.s" && ld -m elf_i386 -o "$dir/p" "$dir/p.o"; } >/dev/null 2>&1; then
    IA32_WHY="no i386 assembler to probe with"
    rm -rf "$dir"; return 1
  fi
  IA32_WHY="$("$dir/p" 2>&1)"; rc=$?
  rm -rf "$dir"
  if [ $rc -ne 0 ]; then
    IA32_WHY="this kernel does not run 32-bit x86 code (${IA32_WHY##*: })"
    return 1
  fi
  IA32_WHY=
}
