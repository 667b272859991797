"""What Windows reads from the installed zafrelo.exe: the version resource (block 040904B0), the
GUI subsystem and the icon sizes; and that every DLL an installed module imports is installed
beside the program or is part of Windows.
    python3 leer_exe.py <install folder> <Windows' system32 folder> <version>"""
import os
import struct
import sys
import zlib

import pefile

carpeta, sistema, version = sys.argv[1:4]
exe = pefile.PE(os.path.join(carpeta, "zafrelo.exe"))
fallos = []

tablas = {t.LangID.decode().upper(): {k.decode(): v.decode() for k, v in t.entries.items()}
          for info in exe.FileInfo for bloque in info for t in getattr(bloque, "StringTable", [])}
campos = tablas.get("040904B0", {})
print("    040904B0:", campos)
for campo, valor in [("ProductName", "Zafrelo"), ("InternalName", "Zafrelo"),
                     ("FileVersion", version), ("ProductVersion", version),
                     ("OriginalFilename", "zafrelo.exe")]:
    if campos.get(campo) != valor:
        fallos.append(f"{campo} is {campos.get(campo)!r}, not {valor!r}")
if "modelo de área" not in campos.get("FileDescription", ""):
    fallos.append("FileDescription lost its accent")
fijo = exe.VS_FIXEDFILEINFO[0]
numero = tuple(int(p) for p in version.split("."))  # 1.00: 1,0,0,0
if (fijo.FileVersionMS, fijo.FileVersionLS, fijo.ProductVersionMS) != (
        numero[0] << 16 | numero[1], 0, numero[0] << 16 | numero[1]):
    fallos.append("FILEVERSION or PRODUCTVERSION is not " + version)

# Qt's own texts in Spanish travel inside the program: a resource, zlib-compressed, holds Qt's
# catalogue, whose texts are UTF-16.
def recursos_comprimidos(datos):
    for inicio in (i for i in range(len(datos) - 1) if datos[i] == 0x78 and datos[i + 1] == 0xDA):
        try:
            yield zlib.decompressobj().decompress(datos[inicio:inicio + (1 << 20)])
        except zlib.error:
            pass
if not any("Aceptar".encode("utf-16-be") in r for r in recursos_comprimidos(exe.__data__)):
    fallos.append("no Spanish translation of Qt inside")
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

# Plugins load the Qt DLLs from the program's folder, so that is where every import must be.
junto = {a.lower() for a in os.listdir(carpeta)}
de_windows = {a.lower() for a in os.listdir(sistema)}
for raiz, _, archivos in os.walk(carpeta):
    for a in archivos:
        if a.lower().endswith((".exe", ".dll")) and a != "desinstalar.exe":
            pe = pefile.PE(os.path.join(raiz, a))
            for dll in (e.dll.decode().lower() for e in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])):
                # api-ms-win-*: API sets, which the Windows loader resolves itself (Windows 8 on).
                if dll not in junto | de_windows and not dll.startswith("api-ms-win-"):
                    fallos.append(f"{a} imports {dll}, found nowhere")

print("".join(f"    {f}\n" for f in fallos), end="")
sys.exit(1 if fallos else 0)
