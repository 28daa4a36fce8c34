#include "platform/sqlcipher/base_sqlcipher.h"
#include "platform/prioridad.h"
#include "platform/sqlcipher/modulo_base.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <system_error>

namespace naipalia {

namespace fs = std::filesystem;

namespace {

struct Finalizar {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Sentencia = std::unique_ptr<sqlite3_stmt, Finalizar>;

// A text column with all its bytes: a name may hold a NUL, and is read back whole.
std::string textoEntero(sqlite3_stmt* s, int columna) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, columna));
    return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(s, columna))) : std::string();
}

// The stored options' columns, quoted, joined with `separador`; each followed by `tras`.
std::string columnasDeOpciones(const std::string& separador, const std::string& tras = "") {
    std::string texto;
    for (const DatosOpcion& o : Opciones)
        if (o.columna) texto += (texto.empty() ? "" : separador) + "\"" + o.columna + "\"" + tras;
    return texto;
}

// The finished games: a later table, made in a file that lacks it. No index: the few
// players of one desktop share it, and one pass over the table finds a player's games
// in half the time that looking each up through an index takes.
constexpr const char* CrearPartidas =
    "CREATE TABLE Partidas (Numero INTEGER, Fecha TEXT, Hora TEXT, PuntosJuego INTEGER, "
    "PuntosJugador INTEGER, PuntosComputadora INTEGER);";

// A player's number: the rowid of the first Jugador record with the name bound as ?1.
const std::string NumeroDelJugador = "(SELECT rowid FROM Jugador WHERE Jugador = ?1 ORDER BY rowid LIMIT 1)";

std::string esquema() {
    std::string ceros;
    for (const DatosOpcion& o : Opciones)
        if (o.columna) ceros += ceros.empty() ? "0" : ", 0";
    return "CREATE TABLE Jugador (Jugador TEXT);"
           "CREATE TABLE TantoJugador (Jugador TEXT, Tipo TEXT, Numero INTEGER, MintioJugador INTEGER, "
           "GanoJugador INTEGER);"
           // The history is read by player and type; the index alone answers the counts.
           "CREATE INDEX TantoPorJugadorYTipo ON TantoJugador (Jugador, Tipo, Numero, MintioJugador, GanoJugador);"
           "CREATE TABLE Configuracion (" +
           columnasDeOpciones(", ", " INTEGER") + ");INSERT INTO Configuracion VALUES (" + ceros + ");" + CrearPartidas;
}

// Long enough for another instance's or a tool's write to end: the game's own writes are
// one row each, well within it even on a slow disk. A file held longer is held by
// something waiting will not outlast, and every wait freezes the table. In force before
// the first statement, which already needs the file's lock.
constexpr int EsperaBloqueoMs = 2000;
// After giving up on a held file, the statements that follow give up at once for this
// long: one action of the player (its reads and writes, its message read, its dialogs
// answered) waits once. A statement that goes through ends it.
constexpr std::chrono::seconds SinEsperaTras{30};

// Opens with the password and proves it by reading the schema: a wrong password or a
// file that is no database fails here, with the engine's words.
sqlite3* abrirConClave(const std::string& archivo, const std::string& clave, int banderas, std::string& error) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(archivo.c_str(), &db, banderas, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, EsperaBloqueoMs);
    if (rc == SQLITE_OK) rc = sqlite3_key(db, clave.data(), static_cast<int>(clave.size()));
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        // A long history stays decrypted in memory between queries.
        sqlite3_exec(db, "PRAGMA cache_size = -16384;", nullptr, nullptr, nullptr);
        return db;
    }
    error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    return nullptr;
}

// Every column the game reads or writes besides the options'. A file lacking one that
// may be added (one a later version brought) gets it with its default on open; lacking
// any other, or a table, the file is refused untouched, except the games' table, our own,
// which is judged whole. The options read False when absent, so their columns may always
// be added.
struct ColumnaConocida {
    const char* tabla;
    const char* columna;
    bool agregable;
    const char* tipoYDefecto;  // for ALTER TABLE when added
};
constexpr ColumnaConocida Columnas[] = {
    {"Jugador", "Jugador", false, "TEXT"},
    {"TantoJugador", "Jugador", false, "TEXT"},
    {"TantoJugador", "Tipo", false, "TEXT"},
    {"TantoJugador", "Numero", false, "INTEGER"},
    {"TantoJugador", "MintioJugador", false, "INTEGER"},
    {"TantoJugador", "GanoJugador", false, "INTEGER"},
    {"Partidas", "Numero", false, "INTEGER"},
    {"Partidas", "Fecha", false, "TEXT"},
    {"Partidas", "Hora", false, "TEXT"},
    {"Partidas", "PuntosJuego", false, "INTEGER"},
    {"Partidas", "PuntosJugador", false, "INTEGER"},
    {"Partidas", "PuntosComputadora", false, "INTEGER"},
};

std::vector<ColumnaConocida> columnasConocidas() {
    std::vector<ColumnaConocida> todas(std::begin(Columnas), std::end(Columnas));
    for (const DatosOpcion& o : Opciones)
        if (o.columna) todas.push_back({"Configuracion", o.columna, true, "INTEGER DEFAULT 0"});
    return todas;
}

std::string enMinusculas(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Runs a statement of the game's own text, handing it each row.
template <typename F>
bool recorrer(sqlite3* db, const std::string& sql, F fila, std::string& error) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        return false;
    }
    Sentencia guardia(s);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) fila(s);
    if (rc == SQLITE_DONE) return true;
    error = sqlite3_errmsg(db);
    return false;
}

// A table's columns by name, lowercased (the engine's names ignore case), each true when
// a row must give it a value; none when the file has no such table. The name is one of
// the game's own.
using ColumnasDeTabla = std::map<std::string, bool>;
bool leerColumnas(sqlite3* db, const std::string& tabla, ColumnasDeTabla& columnas, std::string& error) {
    const auto fila = [&columnas](sqlite3_stmt* s) {
        columnas[enMinusculas(textoEntero(s, 1))] =
            sqlite3_column_int(s, 3) != 0 && sqlite3_column_type(s, 4) == SQLITE_NULL;
    };
    return recorrer(db, "PRAGMA table_info(\"" + tabla + "\")", fila, error);
}

// The games' table serves when it has every column the game writes and a row may leave
// out any other; the engine keeps any value in any column, so their types do not matter.
bool partidasSirve(ColumnasDeTabla columnas) {
    for (const ColumnaConocida& c : Columnas)
        if (std::string(c.tabla) == "Partidas" && columnas.erase(enMinusculas(c.columna)) == 0) return false;
    return std::none_of(columnas.begin(), columnas.end(), [](const auto& c) { return c.second; });
}

// The first of Partidas_apartada, Partidas_apartada_2, ... that names nothing in the file.
bool nombreApartado(sqlite3* db, std::string& nombre, std::string& error) {
    std::set<std::string> usados;
    const auto fila = [&usados](sqlite3_stmt* s) { usados.insert(enMinusculas(textoEntero(s, 0))); };
    if (!recorrer(db, "SELECT name FROM sqlite_master", fila, error)) return false;
    nombre = "Partidas_apartada";
    for (int n = 2; usados.count(enMinusculas(nombre)); ++n) nombre = "Partidas_apartada_" + std::to_string(n);
    return true;
}

// Makes the file's schema the game's by adding the addable columns and the later tables
// it lacks, all or none; false, with the reason, when the file cannot be the game's.
// Nothing is written before every column is known to be present or addable. The games'
// table is our own: one the game cannot use is set aside, never dropped (it holds the
// player's games), and made afresh, with a notice for the player in `error`.
bool completarEsquema(sqlite3* db, std::string& error) {
    std::map<std::string, ColumnasDeTabla> columnas;  // by table
    std::string agregar;
    for (const ColumnaConocida& c : columnasConocidas()) {
        const auto [tabla, nueva] = columnas.try_emplace(c.tabla);
        if (nueva && !leerColumnas(db, c.tabla, tabla->second, error)) return false;
        if (std::string(c.tabla) == "Partidas") continue;  // judged whole below
        if (tabla->second.empty()) {
            error = std::string("Falta la tabla ") + c.tabla + ".";
            return false;
        }
        if (tabla->second.count(enMinusculas(c.columna))) continue;
        if (!c.agregable) {
            error = std::string("Falta la columna ") + c.columna + " de la tabla " + c.tabla + ".";
            return false;
        }
        agregar += std::string("ALTER TABLE ") + c.tabla + " ADD COLUMN \"" + c.columna + "\" " + c.tipoYDefecto + ";";
    }
    const ColumnasDeTabla& partidas = columnas["Partidas"];
    std::string apartada;
    if (partidas.empty()) {
        agregar += CrearPartidas;
    } else if (!partidasSirve(partidas)) {
        if (!nombreApartado(db, apartada, error)) return false;
        agregar += "ALTER TABLE Partidas RENAME TO \"" + apartada + "\";" + CrearPartidas;
    }
    if (agregar.empty()) return true;
    if (sqlite3_exec(db, ("BEGIN IMMEDIATE;" + agregar + "COMMIT;").c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) {
        if (!apartada.empty())
            error = "La tabla de partidas terminadas estaba dañada: se guardó aparte, como " + apartada +
                    ", y se empezó una nueva.";
        return true;
    }
    error = sqlite3_errmsg(db);
    sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    return false;
}

bool puedeEscribirse(const fs::path& carpeta) {
    return access((carpeta.empty() ? fs::path(".") : carpeta).c_str(), W_OK) == 0;
}

// The installed file is marked read-only: even root, who may write anywhere, then plays
// on a copy and never on a file the package manager replaces.
bool marcadoSoloLectura(const fs::path& archivo) {
    std::error_code e;
    const fs::perms permisos = fs::status(archivo, e).permissions();
    const fs::perms escritura = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !e && permisos != fs::perms::unknown && (permisos & escritura) == fs::perms::none;
}

}  // namespace

BaseSqlcipher::BaseSqlcipher(std::string carpetaDatos) : carpetaDatos_(std::move(carpetaDatos)) {}

// A connection opened ahead and never taken is closed too.
BaseSqlcipher::~BaseSqlcipher() {
    cerrar();
    if (adelantada_.valid())
        if (sqlite3* db = adelantada_.get().db) sqlite3_close(db);
}

std::string BaseSqlcipher::Ubicar(const std::string& archivo, const std::string& carpetaDatos) {
    const fs::path original(archivo);
    if (carpetaDatos.empty() || (puedeEscribirse(original.parent_path()) && !marcadoSoloLectura(original)))
        return archivo;
    const fs::path copia = CopiaEnDatos(archivo, carpetaDatos);
    std::error_code e;
    if (fs::exists(copia, e)) return copia.string();
    if (!fs::exists(original, e)) return archivo;
    // Copied under another name and renamed: a copy cut short is never taken for the file.
    fs::create_directories(carpetaDatos, e);
    const fs::path temporal = copia.string() + ".copia";
    if (!fs::copy_file(original, temporal, fs::copy_options::overwrite_existing, e)) return archivo;
    fs::permissions(temporal, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, e);
    fs::rename(temporal, copia, e);
    return e ? archivo : copia.string();
}

bool BaseSqlcipher::Crear(const std::string& archivo, const std::string& clave, std::string& error) {
    std::error_code e;
    if (fs::exists(archivo, e)) {
        error = "el archivo ya existe";
        return false;
    }
    sqlite3* db = abrirConClave(archivo, clave, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    if (!db) return false;
    char* mensaje = nullptr;
    const int rc = sqlite3_exec(db, ("BEGIN;" + esquema() + "COMMIT;").c_str(), nullptr, nullptr, &mensaje);
    if (rc != SQLITE_OK) error = mensaje ? mensaje : sqlite3_errstr(rc);
    sqlite3_free(mensaje);
    sqlite3_close(db);
    return rc == SQLITE_OK;
}

BaseSqlcipher::Apertura BaseSqlcipher::Abrir(const std::string& archivo, const std::string& clave,
                                             const std::string& carpetaDatos) {
    Apertura a{archivo, clave, Ubicar(archivo, carpetaDatos), {}, nullptr};
    a.db = abrirConClave(a.archivo, clave, SQLITE_OPEN_READWRITE, a.error);
    if (a.db && !completarEsquema(a.db, a.error)) {
        sqlite3_close(a.db);
        a.db = nullptr;
    }
    return a;
}

void BaseSqlcipher::adelantar(const std::string& archivo, const std::string& clave) {
    if (adelantada_.valid()) return;
    // No file to open: abrir() fails at once, and the game says so first instead of showing
    // the registry while it finds out.
    if (!HayArchivoBase(archivo, carpetaDatos_)) return;
    adelantada_ = std::async(std::launch::async, [archivo, clave, carpeta = carpetaDatos_] {
        // Behind the windows being made, which need the processor first: the registry shows
        // at once and its list a moment later.
        CederElProcesador();
        return Abrir(archivo, clave, carpeta);
    });
}

bool BaseSqlcipher::listo() {
    return !adelantada_.valid() || adelantada_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool BaseSqlcipher::abrir(const std::string& archivo, const std::string& clave, std::string& error) {
    cerrar();
    Apertura a;
    if (adelantada_.valid()) a = adelantada_.get();
    if (a.pedido != archivo || a.clave != clave) {
        if (a.db) sqlite3_close(a.db);
        a = Abrir(archivo, clave, carpetaDatos_);
    }
    archivo_ = a.archivo;
    db_ = a.db;
    error = a.error;
    sinEsperaHasta_ = {};
    if (db_) sqlite3_busy_handler(db_, &BaseSqlcipher::seguirEsperando, this);
    return db_ != nullptr;
}

int BaseSqlcipher::seguirEsperando(void* base, int veces) {
    auto& b = *static_cast<BaseSqlcipher*>(base);
    const auto ahora = std::chrono::steady_clock::now();
    if (veces == 0) b.esperaDesde_ = ahora;
    b.rendidoAlInstante_ = ahora < b.sinEsperaHasta_;
    if (!b.rendidoAlInstante_ && ahora - b.esperaDesde_ < std::chrono::milliseconds(EsperaBloqueoMs)) {
        sqlite3_sleep(10);
        return 1;
    }
    b.sinEsperaHasta_ = ahora + SinEsperaTras;
    return 0;
}

bool BaseSqlcipher::terminado(int rc, PasoBase paso, FalloBase& f) {
    if (rc == SQLITE_DONE) {
        sinEsperaHasta_ = {};
        return true;
    }
    f = fallo(paso);
    return false;
}

void BaseSqlcipher::cerrar() {
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
}

FalloBase BaseSqlcipher::fallo(PasoBase paso) const {
    if (!db_) return {paso, "No hay base de datos abierta."};
    return {paso, sqlite3_errmsg(db_), sqlite3_errcode(db_) == SQLITE_BUSY && rendidoAlInstante_};
}

bool BaseSqlcipher::preparar(const char* sql, sqlite3_stmt*& sentencia, FalloBase& f) {
    sentencia = nullptr;
    if (db_ && sqlite3_prepare_v2(db_, sql, -1, &sentencia, nullptr) == SQLITE_OK) return true;
    f = fallo(PasoBase::Abrir);
    return false;
}

// One statement run to its end: a write is its own transaction, whole or not at all.
bool BaseSqlcipher::ejecutar(sqlite3_stmt* sentencia, FalloBase& f) {
    int rc;
    while ((rc = sqlite3_step(sentencia)) == SQLITE_ROW) {
    }
    return terminado(rc, PasoBase::Recordar, f);
}

bool BaseSqlcipher::leerJugadores(std::vector<std::string>& nombres, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar("SELECT Jugador FROM Jugador ORDER BY rowid", s, f)) return false;
    Sentencia guardia(s);
    nombres.clear();
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) nombres.push_back(textoEntero(s, 0));
    return terminado(rc, PasoBase::Abrir, f);
}

bool BaseSqlcipher::agregarJugador(const std::string& nombre, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar("INSERT INTO Jugador (Jugador) VALUES (?1)", s, f)) return false;
    Sentencia guardia(s);
    if (sqlite3_bind_text(s, 1, nombre.data(), static_cast<int>(nombre.size()), SQLITE_TRANSIENT) != SQLITE_OK) {
        f = fallo(PasoBase::Interpretar);
        return false;
    }
    return ejecutar(s, f);
}

bool BaseSqlcipher::ejecutarConNombre(const std::string& sql, const std::string& nombre, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar(sql.c_str(), s, f)) return false;
    Sentencia guardia(s);
    if (sqlite3_bind_text(s, 1, nombre.data(), static_cast<int>(nombre.size()), SQLITE_TRANSIENT) != SQLITE_OK) {
        f = fallo(PasoBase::Interpretar);
        return false;
    }
    return ejecutar(s, f);
}

// His games first, while his record still names them; both or neither. A savepoint,
// so that it holds inside a batch too.
bool BaseSqlcipher::eliminarJugador(const std::string& nombre, FalloBase& f) {
    if (!db_ || sqlite3_exec(db_, "SAVEPOINT eliminar", nullptr, nullptr, nullptr) != SQLITE_OK) {
        f = fallo(PasoBase::Abrir);
        return false;
    }
    bool bien = ejecutarConNombre("DELETE FROM Partidas WHERE Numero = " + NumeroDelJugador, nombre, f) &&
                ejecutarConNombre("DELETE FROM Jugador WHERE rowid = " + NumeroDelJugador, nombre, f);
    if (bien && sqlite3_changes(db_) != 1) {
        f = {PasoBase::Recordar, "No hay ningún registro con ese nombre."};
        bien = false;
    }
    if (bien && sqlite3_exec(db_, "RELEASE eliminar", nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    if (bien) f = fallo(PasoBase::Recordar);
    sqlite3_exec(db_, "ROLLBACK TO eliminar; RELEASE eliminar", nullptr, nullptr, nullptr);
    return false;
}

bool BaseSqlcipher::agregarTanto(const FilaTanto& fila, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar("INSERT INTO TantoJugador (Jugador, Tipo, Numero, MintioJugador, GanoJugador) "
                  "VALUES (?1, ?2, ?3, ?4, ?5)",
                  s, f))
        return false;
    Sentencia guardia(s);
    // Numero is a byte.
    if (fila.Numero < 0 || fila.Numero > 255) {
        f = {PasoBase::Interpretar, "Numero fuera del rango de un byte."};
        return false;
    }
    const bool ligado =
        sqlite3_bind_text(s, 1, fila.Jugador.data(), static_cast<int>(fila.Jugador.size()), SQLITE_TRANSIENT) ==
            SQLITE_OK &&
        sqlite3_bind_text(s, 2, fila.Tipo.data(), static_cast<int>(fila.Tipo.size()), SQLITE_TRANSIENT) == SQLITE_OK &&
        sqlite3_bind_int(s, 3, fila.Numero) == SQLITE_OK && sqlite3_bind_int(s, 4, fila.MintioJugador) == SQLITE_OK &&
        sqlite3_bind_int(s, 5, fila.GanoJugador) == SQLITE_OK;
    if (!ligado) {
        f = fallo(PasoBase::Interpretar);
        return false;
    }
    return ejecutar(s, f);
}

bool BaseSqlcipher::contarTantos(const std::string& jugador, const std::string& tipo, std::vector<CuentaTanto>& cuentas,
                                 FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar("SELECT Numero, count(*), total(MintioJugador <> 0), total(GanoJugador <> 0) FROM TantoJugador "
                  "WHERE Jugador = ?1 AND Tipo = ?2 GROUP BY Numero ORDER BY Numero",
                  s, f))
        return false;
    Sentencia guardia(s);
    sqlite3_bind_text(s, 1, jugador.data(), static_cast<int>(jugador.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 2, tipo.data(), static_cast<int>(tipo.size()), SQLITE_TRANSIENT);
    cuentas.clear();
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        cuentas.push_back({sqlite3_column_int(s, 0), static_cast<long>(sqlite3_column_int64(s, 1)),
                           static_cast<long>(sqlite3_column_double(s, 2)),
                           static_cast<long>(sqlite3_column_double(s, 3))});
    return terminado(rc, PasoBase::Abrir, f);
}

bool BaseSqlcipher::leerTantos(std::vector<FilaTanto>& filas, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar("SELECT Jugador, Tipo, Numero, MintioJugador, GanoJugador FROM TantoJugador ORDER BY rowid", s, f))
        return false;
    Sentencia guardia(s);
    filas.clear();
    int rc;
    const auto texto = [s](int columna) { return textoEntero(s, columna); };
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        filas.push_back({texto(0), texto(1), sqlite3_column_int(s, 2), sqlite3_column_int(s, 3) != 0,
                         sqlite3_column_int(s, 4) != 0});
    return terminado(rc, PasoBase::Abrir, f);
}

bool BaseSqlcipher::agregarPartida(const std::string& jugador, const FilaPartida& p, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar("INSERT INTO Partidas (Numero, Fecha, Hora, PuntosJuego, PuntosJugador, PuntosComputadora) "
                  "SELECT rowid, ?2, ?3, ?4, ?5, ?6 FROM Jugador WHERE Jugador = ?1 ORDER BY rowid LIMIT 1",
                  s, f))
        return false;
    Sentencia guardia(s);
    const bool ligado =
        sqlite3_bind_text(s, 1, jugador.data(), static_cast<int>(jugador.size()), SQLITE_TRANSIENT) == SQLITE_OK &&
        sqlite3_bind_text(s, 2, p.Fecha.data(), static_cast<int>(p.Fecha.size()), SQLITE_TRANSIENT) == SQLITE_OK &&
        sqlite3_bind_text(s, 3, p.Hora.data(), static_cast<int>(p.Hora.size()), SQLITE_TRANSIENT) == SQLITE_OK &&
        sqlite3_bind_int(s, 4, p.PuntosJuego) == SQLITE_OK && sqlite3_bind_int(s, 5, p.PuntosJugador) == SQLITE_OK &&
        sqlite3_bind_int(s, 6, p.PuntosComputadora) == SQLITE_OK;
    if (!ligado) {
        f = fallo(PasoBase::Interpretar);
        return false;
    }
    return ejecutar(s, f);
}

namespace {

constexpr const char* ColumnasDePartidas =
    "SELECT Numero, Fecha, Hora, PuntosJuego, PuntosJugador, PuntosComputadora FROM Partidas";

FilaPartida partidaLeida(sqlite3_stmt* s) {
    return {static_cast<long>(sqlite3_column_int64(s, 0)),
            textoEntero(s, 1),
            textoEntero(s, 2),
            sqlite3_column_int(s, 3),
            sqlite3_column_int(s, 4),
            sqlite3_column_int(s, 5)};
}

}  // namespace

bool BaseSqlcipher::leerFilasDePartidas(sqlite3_stmt* s, std::vector<FilaPartida>& filas, FalloBase& f) {
    Sentencia guardia(s);
    filas.clear();
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) filas.push_back(partidaLeida(s));
    return terminado(rc, PasoBase::Abrir, f);
}

bool BaseSqlcipher::leerPartidas(const std::string& jugador, std::vector<FilaPartida>& filas, FalloBase& f) {
    sqlite3_stmt* s;
    const std::string sql = std::string(ColumnasDePartidas) + " WHERE Numero = " + NumeroDelJugador + " ORDER BY rowid";
    if (!preparar(sql.c_str(), s, f)) return false;
    sqlite3_bind_text(s, 1, jugador.data(), static_cast<int>(jugador.size()), SQLITE_TRANSIENT);
    return leerFilasDePartidas(s, filas, f);
}

bool BaseSqlcipher::leerTodasLasPartidas(std::vector<FilaPartida>& filas, FalloBase& f) {
    sqlite3_stmt* s;
    if (!preparar((std::string(ColumnasDePartidas) + " ORDER BY rowid").c_str(), s, f)) return false;
    return leerFilasDePartidas(s, filas, f);
}

bool BaseSqlcipher::leerOpciones(OpcionesGuardadas& o, FalloBase& f) {
    sqlite3_stmt* s;
    const std::string sql = "SELECT " + columnasDeOpciones(", ") + " FROM Configuracion ORDER BY rowid LIMIT 1";
    if (!preparar(sql.c_str(), s, f)) return false;
    Sentencia guardia(s);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) {
        int columna = 0;
        for (const DatosOpcion& d : Opciones)
            if (d.columna) o[d.opcion] = sqlite3_column_int(s, columna++) != 0;  // Null reads as 0
    }
    return terminado(rc == SQLITE_ROW ? SQLITE_DONE : rc, PasoBase::Abrir, f);
}

bool BaseSqlcipher::guardarOpcion(Opcion opcion, bool valor, FalloBase& f) {
    const auto d = std::find_if(std::begin(Opciones), std::end(Opciones),
                                [opcion](const DatosOpcion& x) { return x.opcion == opcion; });
    if (d == std::end(Opciones) || !d->columna) {
        f = {PasoBase::Interpretar, "Esa opción no se guarda."};
        return false;
    }
    // The column is one of the game's own names, never input.
    const std::string sql = std::string("UPDATE Configuracion SET \"") + d->columna +
                            "\" = ?1 WHERE rowid = (SELECT rowid FROM Configuracion ORDER BY rowid LIMIT 1)";
    sqlite3_stmt* s;
    if (!preparar(sql.c_str(), s, f)) return false;
    Sentencia guardia(s);
    sqlite3_bind_int(s, 1, valor);
    if (!ejecutar(s, f)) return false;
    if (sqlite3_changes(db_) == 1) return true;
    f = {PasoBase::Recordar, "No hay registro de configuración."};
    return false;
}

bool BaseSqlcipher::comenzarLote() { return db_ && sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK; }
bool BaseSqlcipher::confirmarLote() {
    return db_ && sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string BaseSqlcipher::integridad() {
    sqlite3_stmt* s;
    FalloBase f;
    if (!preparar("PRAGMA integrity_check", s, f)) return f.descripcion;
    Sentencia guardia(s);
    std::string r;
    while (sqlite3_step(s) == SQLITE_ROW) {
        if (!r.empty()) r += '\n';
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        r += t ? t : "";
    }
    return r.empty() ? sqlite3_errmsg(db_) : r;
}

}  // namespace naipalia
