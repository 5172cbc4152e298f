# Win32 program: filled in by the window work
