"""What Windows reads from the installed zafrelo.exe: the version resource (block 040904B0), the
GUI subsystem, the icon sizes, Qt's Spanish catalogue inside; and that every DLL an installed
module imports is installed beside the program or is part of Windows.
    python3 leer_exe.py <install folder> <Windows' system32 folder> <version>"""
import os
import struct
import sys
import zlib

import pefile

carpeta, sistema, version = sys.argv[1:4]
exe = pefile.PE(os.path.join(carpeta, "zafrelo.exe"))

bloques = {t.LangID.decode().upper(): {k.decode(): v.decode() for k, v in t.entries.items()}
           for info in exe.FileInfo for b in info for t in getattr(b, "StringTable", [])}
campos = bloques.get("040904B0", {})
print("    040904B0:", campos)
esperado = {"ProductName": "Zafrelo", "InternalName": "Zafrelo", "FileVersion": version,
            "ProductVersion": version, "OriginalFilename": "zafrelo.exe"}
fallos = [f"{k} is {campos.get(k)!r}" for k, v in esperado.items() if campos.get(k) != v]
mayor, menor = (int(p) for p in version.split("."))  # 1.00: 1,0,0,0
fijo = exe.VS_FIXEDFILEINFO[0]
if {fijo.FileVersionMS, fijo.ProductVersionMS} != {mayor << 16 | menor} or fijo.FileVersionLS:
    fallos.append("FILEVERSION or PRODUCTVERSION is not " + version)
if exe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
    fallos.append("a console program, not a GUI one")

lados = set()  # from the icon group's entries; a width of 0 stands for 256
for tipo in exe.DIRECTORY_ENTRY_RESOURCE.entries:
    if tipo.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
        for idioma in (i for n in tipo.directory.entries for i in n.directory.entries):
            datos = exe.get_data(idioma.data.struct.OffsetToData, idioma.data.struct.Size)
            lados |= {datos[6 + 14 * i] or 256 for i in range(struct.unpack_from("<H", datos, 4)[0])}
print("    icon sizes:", sorted(lados))
if not {16, 24, 32, 48, 256} <= lados:
    fallos.append("icon sizes missing")

# Qt's catalogue is a zlib-compressed resource; its texts are UTF-16.
def descomprimidos(datos):
    for inicio in (i for i in range(len(datos) - 1) if datos[i:i + 2] == b"\x78\xda"):
        try:
            yield zlib.decompressobj().decompress(datos[inicio:inicio + (1 << 20)])
        except zlib.error:
            pass
if not any("Aceptar".encode("utf-16-be") in d for d in descomprimidos(exe.__data__)):
    fallos.append("no Spanish translation of Qt inside")

# Plugins load the Qt DLLs from the program's folder, so that is where every import must be.
# api-ms-win-*: API sets, which the Windows loader resolves itself.
presentes = {a.lower() for a in os.listdir(carpeta) + os.listdir(sistema)}
for raiz, _, archivos in os.walk(carpeta):
    for a in (a for a in archivos if a.endswith((".exe", ".dll")) and a != "desinstalar.exe"):
        for e in getattr(pefile.PE(os.path.join(raiz, a)), "DIRECTORY_ENTRY_IMPORT", []):
            dll = e.dll.decode().lower()
            if dll not in presentes and not dll.startswith("api-ms-win-"):
                fallos.append(f"{a} imports {dll}, found nowhere")

print("".join(f"    {f}\n" for f in fallos), end="")
sys.exit(1 if fallos else 0)
