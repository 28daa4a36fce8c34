// The SQLCipher file as the players' database: names travel as data, files that are not
// ours never open and are never touched, read-only files and folders, a full disk and a
// kill in the middle of writing leave a sound file with whole rows only.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "game/archivos.h"
#include "game/estado.h"
#include "platform/sqlcipher/base_sqlcipher.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

using namespace naipalia;
namespace fs = std::filesystem;

namespace {

// A scratch folder in memory when the system has one: the write tests stay quick.
struct Carpeta {
    Carpeta() {
        const fs::path raiz = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string plantilla = (raiz / "naipalia-base-XXXXXX").string();
        ruta = mkdtemp(plantilla.data());
        fs::permissions(ruta, fs::perms::all, fs::perm_options::add);
    }
    ~Carpeta() {
        std::error_code e;
        fs::permissions(ruta, fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(ruta, e);
    }
    std::string archivo(const std::string& nombre = archivos::BaseDatos) const {
        return (fs::path(ruta) / nombre).string();
    }
    fs::path ruta;
};

std::string bytes(const std::string& archivo) {
    std::ifstream f(archivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string nueva(const Carpeta& c) {
    std::string error;
    EXPECT_TRUE(BaseSqlcipher::Crear(c.archivo(), archivos::ClaveBase, error)) << error;
    return c.archivo();
}

// A file with the game's password made by other statements than the game's own.
void conClave(const std::string& archivo, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(archivo.c_str(), &db), SQLITE_OK);
    sqlite3_key(db, archivos::ClaveBase, static_cast<int>(std::string(archivos::ClaveBase).size()));
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

const char* const TablasSinConfiguracion =
    "CREATE TABLE Jugador (Jugador TEXT);"
    "CREATE TABLE TantoJugador (Jugador TEXT, Tipo TEXT, Numero INTEGER, MintioJugador INTEGER, GanoJugador "
    "INTEGER);";

FilaTanto fila(int numero) { return {NombreRelleno("Ana"), "E", numero, numero % 2 == 0, numero % 3 == 0}; }

// Runs `hijo` in a child process as an ordinary user when the tests run as root (who
// may write anywhere), and returns its exit status; failed expectations exit 1.
template <typename F>
int comoUsuario(F hijo) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0) {
            const passwd* nadie = getpwnam("nobody");
            if (!nadie || setgid(nadie->pw_gid) != 0 || setuid(nadie->pw_uid) != 0) _exit(3);
        }
        _exit(hijo() ? 0 : 1);
    }
    int estado = 0;
    waitpid(pid, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

}  // namespace

TEST(BaseSqlcipher, LosNombresConComillasSonDatosYNoTexto) {
    Carpeta c;
    BaseSqlcipher base;
    std::string error;
    ASSERT_TRUE(base.abrir(nueva(c), archivos::ClaveBase, error)) << error;
    FalloBase f;
    const std::string peligroso = "x'); DROP TABLE Jugador; --";
    const std::string conNul("Ana\0Beto", 8);
    const std::vector<std::string> todos{"O'Brien", peligroso, "Ana", conNul, "O'Brien"};
    for (const std::string& n : todos) ASSERT_TRUE(base.agregarJugador(n, f));
    std::vector<std::string> nombres;
    ASSERT_TRUE(base.leerJugadores(nombres, f));
    EXPECT_EQ(nombres, todos);
    // Only the first of two equal names goes; names compare exactly as typed, and a name
    // with a NUL is deleted as it was read.
    ASSERT_TRUE(base.eliminarJugador("O'Brien", f)) << f.descripcion;
    ASSERT_TRUE(base.eliminarJugador(nombres[3], f)) << f.descripcion;
    EXPECT_FALSE(base.eliminarJugador("ana", f));
    ASSERT_TRUE(base.leerJugadores(nombres, f));
    EXPECT_EQ(nombres, (std::vector<std::string>{peligroso, "Ana", "O'Brien"}));

    ASSERT_TRUE(base.agregarTanto({NombreRelleno("O'Brien"), "E", 27, true, false}, f));
    ASSERT_TRUE(base.agregarTanto({NombreRelleno("O'Brien"), "E", 27, false, true}, f));
    ASSERT_TRUE(base.agregarTanto({NombreRelleno("O'Brien"), "RE", 30, false, true}, f));
    std::vector<CuentaTanto> cuentas;
    ASSERT_TRUE(base.contarTantos(NombreRelleno("O'Brien"), "E", cuentas, f)) << f.descripcion;
    ASSERT_EQ(cuentas.size(), 1u);
    EXPECT_EQ(cuentas[0].Numero, 27);
    EXPECT_EQ(cuentas[0].filas, 2);
    EXPECT_EQ(cuentas[0].mintio, 1);
    EXPECT_EQ(cuentas[0].gano, 1);
    // A byte holds the number, or the row is refused before anything is written.
    EXPECT_FALSE(base.agregarTanto({NombreRelleno("O'Brien"), "E", 256, false, false}, f));
    EXPECT_EQ(f.paso, PasoBase::Interpretar);
    std::vector<FilaTanto> filas;
    ASSERT_TRUE(base.leerTantos(filas, f));
    EXPECT_EQ(filas.size(), 3u);
}

TEST(BaseSqlcipher, NingunNombreSeLeeEnElArchivo) {
    Carpeta c;
    const std::string archivo = nueva(c);
    {
        BaseSqlcipher base;
        std::string error;
        ASSERT_TRUE(base.abrir(archivo, archivos::ClaveBase, error));
        FalloBase f;
        ASSERT_TRUE(base.agregarJugador("Zacarías Secretario", f));
        for (int i = 0; i < 50; ++i)
            ASSERT_TRUE(base.agregarTanto({NombreRelleno("Zacarías Secretario"), "E", 20, false, false}, f));
    }
    const std::string contenido = bytes(archivo);
    EXPECT_EQ(contenido.find("Secretario"), std::string::npos);
    EXPECT_EQ(contenido.find("Zacar"), std::string::npos);
    EXPECT_EQ(contenido.find("SQLite format"), std::string::npos);
    EXPECT_EQ(contenido.find("TantoJugador"), std::string::npos);
}

TEST(BaseSqlcipher, UnArchivoQueNoEsDelJuegoNoAbreYQuedaComoEstaba) {
    Carpeta c;
    std::string error;
    BaseSqlcipher base;
    // Missing: not made in its place.
    EXPECT_FALSE(base.abrir(c.archivo(), archivos::ClaveBase, error));
    EXPECT_EQ(error, "unable to open database file");
    EXPECT_FALSE(fs::exists(c.archivo()));
    const std::string conTablas = TablasSinConfiguracion;
    const struct {
        const char* caso;
        std::function<void(const std::string&)> hacer;
        const char* error;
    } casos[] = {
        {"otra clave",
         [](const std::string& a) {
             std::string e;
             BaseSqlcipher::Crear(a, "otra", e);
         },
         "file is encrypted or is not a database"},
        {"basura", [](const std::string& a) { std::ofstream(a, std::ios::binary) << std::string(4096, '\x5a'); },
         "file is encrypted or is not a database"},
        {"vacío", [](const std::string& a) { std::ofstream{a}; }, "Falta la tabla Jugador."},
        {"sin las tablas",
         [](const std::string& a) { conClave(a, "CREATE TABLE Otra (x); INSERT INTO Otra VALUES (1);"); },
         "Falta la tabla Jugador."},
        {"sin Configuracion", [&](const std::string& a) { conClave(a, conTablas); }, "Falta la tabla Configuracion."},
        // A column the game always had is not made up; nor is an addable one added then.
        {"sin GanoJugador",
         [](const std::string& a) {
             conClave(a,
                      "CREATE TABLE Jugador (Jugador TEXT); CREATE TABLE TantoJugador (Jugador TEXT, Tipo TEXT, "
                      "Numero INTEGER, MintioJugador INTEGER); CREATE TABLE Configuracion (Recuerdo INTEGER);");
         },
         "Falta la columna GanoJugador de la tabla TantoJugador."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const std::string archivo = c.archivo(std::string(caso.caso) + ".mdb");
        caso.hacer(archivo);
        const std::string antes = bytes(archivo);
        EXPECT_FALSE(base.abrir(archivo, archivos::ClaveBase, error));
        EXPECT_EQ(error, caso.error);
        EXPECT_EQ(bytes(archivo), antes);
        // Every operation then fails, with a reason.
        FalloBase f;
        std::vector<std::string> nombres;
        EXPECT_FALSE(base.leerJugadores(nombres, f));
        EXPECT_FALSE(f.descripcion.empty());
    }
}

// A file of an older version: the option it lacks is added False, the games' table made.
TEST(BaseSqlcipher, LoQueElArchivoNoTieneSeAgrega) {
    Carpeta c;
    conClave(c.archivo(), std::string(TablasSinConfiguracion) +
                              "CREATE TABLE Configuracion (\"30Puntos\" INTEGER, Multimedia INTEGER, Recuerdo INTEGER);"
                              "INSERT INTO Configuracion VALUES (1, 0, 1); INSERT INTO Jugador VALUES ('Ana');");
    for (const bool conFlor : {false, true}) {
        BaseSqlcipher base;
        std::string error;
        ASSERT_TRUE(base.abrir(c.archivo(), archivos::ClaveBase, error)) << error;
        OpcionesGuardadas o;
        FalloBase f;
        ASSERT_TRUE(base.leerOpciones(o, f)) << f.descripcion;
        EXPECT_TRUE(o[Opcion::Puntos30] && o[Opcion::Recuerdos] && !o[Opcion::Voz]);
        EXPECT_EQ(o[Opcion::Flor], conFlor);
        EXPECT_TRUE(base.guardarOpcion(Opcion::Flor, true, f)) << f.descripcion;
        EXPECT_TRUE(base.agregarPartida("Ana", {0, "06/12/2026", "12:00:00", 15, 15, 3}, f)) << f.descripcion;
        std::vector<FilaPartida> partidas;
        ASSERT_TRUE(base.leerPartidas("Ana", partidas, f)) << f.descripcion;
        EXPECT_EQ(partidas.size(), conFlor ? 2u : 1u);
        EXPECT_EQ(base.integridad(), "ok");
    }
}

// Each game goes to the first player of that name, a name nobody has keeps none, and a
// deleted player's games go with him.
TEST(BaseSqlcipher, LasPartidasSonDeSuJugadorYSeVanConEl) {
    Carpeta c;
    BaseSqlcipher base;
    std::string error;
    ASSERT_TRUE(base.abrir(nueva(c), archivos::ClaveBase, error)) << error;
    FalloBase f;
    for (const char* nombre : {"Ana", "O'Brien", "Ana"}) ASSERT_TRUE(base.agregarJugador(nombre, f));
    const std::pair<const char*, int> jugadas[] = {{"Ana", 3}, {"O'Brien", 4}, {"Ana", 5}, {"Nadie", 6}};
    for (const auto& [nombre, compu] : jugadas)
        ASSERT_TRUE(base.agregarPartida(nombre, {0, "06/12/2026", "21:05:09", 30, 30, compu}, f)) << f.descripcion;
    std::vector<FilaPartida> p;
    ASSERT_TRUE(base.leerPartidas("Ana", p, f)) << f.descripcion;
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1].Numero, 1);
    EXPECT_EQ(p[1].Fecha + " " + p[1].Hora, "06/12/2026 21:05:09");
    EXPECT_EQ(p[1].PuntosJuego + p[1].PuntosJugador + p[1].PuntosComputadora, 65);
    ASSERT_TRUE(base.eliminarJugador("Ana", f)) << f.descripcion;
    ASSERT_TRUE(base.leerPartidas("Ana", p, f));
    EXPECT_TRUE(p.empty());
    ASSERT_TRUE(base.leerTodasLasPartidas(p, f));
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].Numero, 2);
}

TEST(BaseSqlcipher, UnArchivoBloqueadoPorOtroProcesoAlArrancarSeEspera) {
    Carpeta c;
    const std::string archivo = nueva(c);
    int pipa[2];
    ASSERT_EQ(pipe(pipa), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        // Another instance in the middle of a write, holding the file for a second.
        sqlite3* db = nullptr;
        if (sqlite3_open(archivo.c_str(), &db) != SQLITE_OK) _exit(2);
        sqlite3_key(db, archivos::ClaveBase, static_cast<int>(std::string(archivos::ClaveBase).size()));
        if (sqlite3_exec(db, "BEGIN EXCLUSIVE; INSERT INTO Jugador VALUES ('Ana');", nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            _exit(3);
        const char listo = 'x';
        if (write(pipa[1], &listo, 1) != 1) _exit(4);
        sleep(1);
        _exit(sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 5);
    }
    close(pipa[1]);
    char listo;
    ASSERT_EQ(read(pipa[0], &listo, 1), 1);
    close(pipa[0]);
    BaseSqlcipher base;
    std::string error;
    const bool abierta = base.abrir(archivo, archivos::ClaveBase, error);
    int estado = 0;
    waitpid(pid, &estado, 0);
    ASSERT_TRUE(abierta) << error;
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    // The other's write is there: it was waited for, not read around.
    std::vector<std::string> nombres;
    FalloBase f;
    ASSERT_TRUE(base.leerJugadores(nombres, f));
    EXPECT_EQ(nombres, std::vector<std::string>{"Ana"});
}

TEST(BaseSqlcipher, SoloLecturaInformaSinPerderNadaYLaCarpetaDeDatosRecibeUnaCopia) {
    Carpeta c;
    const std::string archivo = nueva(c);
    {
        BaseSqlcipher base;
        std::string error;
        ASSERT_TRUE(base.abrir(archivo, archivos::ClaveBase, error));
        FalloBase f;
        ASSERT_TRUE(base.agregarJugador("Ana", f));
    }
    const auto lee = [](BaseSqlcipher& base) {
        std::vector<std::string> nombres;
        FalloBase f;
        return base.leerJugadores(nombres, f) && nombres == std::vector<std::string>{"Ana"};
    };
    // A read-only file in a folder that can be written: it opens, reads, and a write fails.
    fs::permissions(archivo, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(c.ruta, fs::perms::all);
    EXPECT_EQ(comoUsuario([&] {
                  BaseSqlcipher base;
                  std::string error;
                  FalloBase f;
                  return base.abrir(archivo, archivos::ClaveBase, error) && lee(base) &&
                         !base.agregarJugador("Beto", f) && f.paso == PasoBase::Recordar &&
                         f.descripcion == "attempt to write a readonly database" && lee(base);
              }),
              0);
    // A folder that cannot be written (an installed program), the file writable: without
    // a data folder the writes fail; with one, the file is copied there and used.
    fs::permissions(archivo, fs::perms::all);
    fs::permissions(c.ruta, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string datos = "/tmp/naipalia-datos-" + std::to_string(getpid());
    EXPECT_EQ(comoUsuario([&] {
                  BaseSqlcipher base;
                  std::string error;
                  FalloBase f;
                  if (!base.abrir(archivo, archivos::ClaveBase, error) || !lee(base)) return false;
                  if (base.agregarJugador("Beto", f) || f.descripcion.empty()) return false;
                  BaseSqlcipher instalada(datos);
                  return instalada.abrir(archivo, archivos::ClaveBase, error) &&
                         instalada.archivo() == datos + "/naipalia.mdb" && instalada.agregarJugador("Beto", f) &&
                         instalada.integridad() == "ok";
              }),
              0);
    fs::permissions(c.ruta, fs::perms::owner_all, fs::perm_options::add);
    BaseSqlcipher original;
    std::string error;
    ASSERT_TRUE(original.abrir(archivo, archivos::ClaveBase, error));
    EXPECT_TRUE(lee(original));
    EXPECT_EQ(original.integridad(), "ok");
    std::error_code e;
    fs::remove_all(datos, e);
    // The installed file is marked read-only: whoever runs the game, root too, plays on a
    // copy in the data folder, and the installed file stays as shipped.
    fs::permissions(archivo, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string enviado = bytes(archivo);
    BaseSqlcipher instalada(datos);
    FalloBase f;
    EXPECT_TRUE(instalada.abrir(archivo, archivos::ClaveBase, error)) << error;
    EXPECT_EQ(instalada.archivo(), datos + "/naipalia.mdb");
    EXPECT_TRUE(instalada.agregarJugador("Carla", f)) << f.descripcion;
    EXPECT_TRUE(bytes(archivo) == enviado) << "the installed file was written";
    fs::remove_all(datos, e);
}

// A child writes rows one by one, telling each stored row through a pipe: on a disk that
// fills up (the file may not grow past a few pages) until a write fails, or until it is
// killed once a few hundred rows are known to be stored. Either way the file stays sound
// and holds every stored row, whole.
TEST(BaseSqlcipher, UnDiscoLlenoOUnKillDejanUnArchivoSanoConFilasEnteras) {
    for (const bool discoLleno : {true, false}) {
        SCOPED_TRACE(discoLleno ? "disco lleno" : "kill");
        Carpeta c;
        const std::string archivo = nueva(c);
        int pipa[2];
        ASSERT_EQ(pipe(pipa), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            close(pipa[0]);
            if (discoLleno) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limite{64 * 1024, 64 * 1024};
                setrlimit(RLIMIT_FSIZE, &limite);
            }
            BaseSqlcipher base;
            std::string error;
            if (!base.abrir(archivo, archivos::ClaveBase, error)) _exit(2);
            FalloBase f;
            for (int i = 0; i < 100000 && base.agregarTanto(fila(i % 34), f); ++i)
                if (write(pipa[1], "x", 1) != 1) _exit(3);
            // The full disk is a failure of the write step, with the engine's reason.
            _exit(f.paso == PasoBase::Recordar && !f.descripcion.empty() ? 0 : 1);
        }
        close(pipa[1]);
        long confirmadas = 0;
        char buf[64];
        for (ssize_t n; (discoLleno || confirmadas < 300) && (n = read(pipa[0], buf, sizeof buf)) > 0;)
            confirmadas += n;
        if (!discoLleno) kill(pid, SIGKILL);
        int estado = 0;
        waitpid(pid, &estado, 0);
        close(pipa[0]);
        EXPECT_TRUE(!discoLleno || (WIFEXITED(estado) && WEXITSTATUS(estado) == 0));
        ASSERT_GE(confirmadas, discoLleno ? 1 : 300);

        BaseSqlcipher base;
        std::string error;
        ASSERT_TRUE(base.abrir(archivo, archivos::ClaveBase, error)) << error;
        EXPECT_EQ(base.integridad(), "ok");
        std::vector<FilaTanto> filas;
        FalloBase f;
        ASSERT_TRUE(base.leerTantos(filas, f));
        EXPECT_GE(static_cast<long>(filas.size()), confirmadas);
        EXPECT_TRUE(!discoLleno || static_cast<long>(filas.size()) == confirmadas) << "a refused row was kept";
        for (std::size_t i = 0; i < filas.size(); ++i) {
            const FilaTanto esperada = fila(static_cast<int>(i % 34));
            EXPECT_TRUE(filas[i].Jugador == esperada.Jugador && filas[i].Tipo == esperada.Tipo &&
                        filas[i].Numero == esperada.Numero && filas[i].MintioJugador == esperada.MintioJugador &&
                        filas[i].GanoJugador == esperada.GanoJugador)
                << "row " << i;
        }
        EXPECT_TRUE(discoLleno || base.agregarTanto(fila(1), f)) << "it goes on taking rows";
    }
}
