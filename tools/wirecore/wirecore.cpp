// wirecore.dll — the companion file that accompanies the meter simulator.
// It exists for its version resource, which meterlink.dll reads and reports
// as a version text; the one export only gives the file a code section.
extern "C" __declspec(dllexport) int __stdcall WirecoreRevision() { return 1; }
