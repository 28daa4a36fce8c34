#include "platform/sqlcipher/base_sqlcipher.h"
#include "platform/sqlcipher/modulo_base.h"

extern "C" __attribute__((visibility("default"))) naipalia::BaseDatos* naipalia_crear_base(const char* carpetaDatos,
                                                                                           const char* archivo,
                                                                                           const char* clave) {
    auto* base = new naipalia::BaseSqlcipher(carpetaDatos);
    base->adelantar(archivo, clave);
    return base;
}
