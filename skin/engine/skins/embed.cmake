# Writes the skin description IN into OUT as a C++ function returning it.
file(READ "${IN}" text)
file(WRITE "${OUT}.tmp" "// Generated from skin/engine/skins/velmora.skin; edit that file.\n#include \"skin/engine/KsSkinSource.h\"\n\nconst char* EmbeddedSkinText() {\n    return R\"velmora_skin(${text})velmora_skin\";\n}\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
