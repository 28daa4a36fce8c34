// The SQLCipher file as the players' database: names travel as data, files that are not
// ours never open and are never touched, a broken games' table is set aside, a held file
// is waited for once, read-only files and folders, a full disk and a kill in the middle
// of writing leave a sound file with whole rows only.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <tuple>

#include "game/archivos.h"
#include "game/estado.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "shell/juego.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

using namespace naipalia;
namespace fs = std::filesystem;

namespace {

std::string bytes(const std::string& archivo) {
    std::ifstream f(archivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A connection with the game's password, for statements other than the game's own.
sqlite3* conClave(const std::string& archivo) {
    sqlite3* db = nullptr;
    sqlite3_open(archivo.c_str(), &db);
    sqlite3_key(db, archivos::ClaveBase, static_cast<int>(std::string(archivos::ClaveBase).size()));
    return db;
}

void conClave(const std::string& archivo, const std::string& sql) {
    sqlite3* db = conClave(archivo);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

struct Avisos : Mensajes {
    std::vector<std::string> textos;
    Respuesta mostrar(const std::string& texto, Icono, Botones, Respuesta porDefecto) override {
        textos.push_back(texto);
        return porDefecto;
    }
};

const char* const TablasSinConfiguracion =
    "CREATE TABLE Jugador (Jugador TEXT);"
    "CREATE TABLE TantoJugador (Jugador TEXT, Tipo TEXT, Numero INTEGER, MintioJugador INTEGER, GanoJugador "
    "INTEGER);";

FilaTanto fila(int numero) { return {NombreRelleno("Ana"), "E", numero, numero % 2 == 0, numero % 3 == 0}; }

// Runs `hijo` in a child process, which exits with what it returns.
template <typename F>
pid_t enOtroProceso(F hijo) {
    const pid_t pid = fork();
    if (pid == 0) _exit(hijo());
    return pid;
}

int esperar(pid_t pid) {
    int estado = 0;
    waitpid(pid, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

// Runs `hijo` in a child process as an ordinary user when the tests run as root (who
// may write anywhere), and returns its exit status; failed expectations exit 1.
template <typename F>
int comoUsuario(F hijo) {
    return esperar(enOtroProceso([&] {
        const passwd* nadie = getpwnam("nobody");
        if (geteuid() == 0 && (!nadie || setgid(nadie->pw_gid) != 0 || setuid(nadie->pw_uid) != 0)) return 3;
        return hijo() ? 0 : 1;
    }));
}

// A scratch folder in memory when the system has one: the write tests stay quick.
fs::path carpetaNueva() {
    const fs::path raiz = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string plantilla = (raiz / "naipalia-base-XXXXXX").string();
    return mkdtemp(plantilla.data());
}

struct BaseEnDisco : ::testing::Test {
    const fs::path ruta = carpetaNueva();
    const std::string archivo = en(archivos::BaseDatos);
    BaseSqlcipher base;
    std::string error;
    FalloBase f;
    Avisos avisos;

    ~BaseEnDisco() override {
        std::error_code e;
        fs::permissions(ruta, fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(ruta, e);
    }
    std::string en(const std::string& nombre) const { return (ruta / nombre).string(); }
    // The game on this folder's file, its messages in `avisos`.
    Puertos puertos() { return {.mensajes = &avisos, .baseDatos = &base, .carpeta = ruta.string()}; }
    bool abrir(BaseSqlcipher& b) { return b.abrir(archivo, archivos::ClaveBase, error); }
    // The game's new file, open in `base`.
    void nueva() {
        ASSERT_TRUE(BaseSqlcipher::Crear(archivo, archivos::ClaveBase, error)) << error;
        ASSERT_TRUE(abrir(base)) << error;
    }
    bool lee(BaseSqlcipher& b, const std::vector<std::string>& esperados) {
        std::vector<std::string> nombres;
        return b.leerJugadores(nombres, f) && nombres == esperados;
    }
};

}  // namespace

// Names are bound as data, compared exactly as typed, and never readable in the file;
// each game goes to the first player of that name and goes with him.
TEST_F(BaseEnDisco, LosNombresSonDatosElArchivoRetenidoSeEsperaYElDeSoloLecturaNoPierdeNada) {
    nueva();
    const std::string peligroso = "x'); DROP TABLE Jugador; --";
    const std::string conNul("Ana\0Beto", 8);
    const std::string z = "Zacarías Secretario";
    const std::vector<std::string> todos{"O'Brien", peligroso, z, conNul, "O'Brien"};
    for (const std::string& n : todos) ASSERT_TRUE(base.agregarJugador(n, f));
    const std::pair<std::string, int> jugadas[] = {{"O'Brien", 3}, {z, 4}, {"O'Brien", 5}, {"Nadie", 6}};
    for (const auto& [nombre, compu] : jugadas)
        ASSERT_TRUE(base.agregarPartida(nombre, {0, "06/12/2026", "21:05:09", 30, 30, compu}, f)) << f.descripcion;
    std::vector<FilaPartida> p;
    ASSERT_TRUE(base.leerPartidas("O'Brien", p, f) && p.size() == 2u) << f.descripcion;
    EXPECT_EQ(std::make_tuple(p[1].Numero, p[1].Fecha + " " + p[1].Hora,
                              p[1].PuntosJuego + p[1].PuntosJugador + p[1].PuntosComputadora),
              std::make_tuple(1, "06/12/2026 21:05:09", 65));
    ASSERT_TRUE(lee(base, todos));
    // Only the first of two equal names goes, and a name with a NUL, read back whole.
    ASSERT_TRUE(base.eliminarJugador("O'Brien", f)) << f.descripcion;
    ASSERT_TRUE(base.eliminarJugador(conNul, f)) << f.descripcion;
    EXPECT_FALSE(base.eliminarJugador("o'brien", f));
    EXPECT_TRUE(lee(base, {peligroso, z, "O'Brien"}));
    EXPECT_TRUE(base.leerPartidas("O'Brien", p, f) && p.empty());
    ASSERT_TRUE(base.leerTodasLasPartidas(p, f) && p.size() == 1u);
    EXPECT_EQ(p[0].Numero, 3);

    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(base.agregarTanto({NombreRelleno(z), i < 2 ? "E" : "RE", 27, i == 0, i == 1}, f));
    std::vector<CuentaTanto> cuentas;
    ASSERT_TRUE(base.contarTantos(NombreRelleno(z), "E", cuentas, f) && cuentas.size() == 1u) << f.descripcion;
    EXPECT_EQ(std::tie(cuentas[0].Numero, cuentas[0].filas, cuentas[0].mintio, cuentas[0].gano),
              std::make_tuple(27, 2, 1, 1));
    // A byte holds the number, or the row is refused before anything is written.
    EXPECT_FALSE(base.agregarTanto({NombreRelleno(z), "E", 256, false, false}, f));
    EXPECT_EQ(f.paso, PasoBase::Interpretar);
    base.cerrar();
    const std::string contenido = bytes(archivo);
    for (const char* legible : {"Secretario", "Zacar", "Brien", "SQLite format", "TantoJugador"})
        EXPECT_EQ(contenido.find(legible), std::string::npos) << legible;

    // A file opened ahead, on another thread, serves only the same file with the same key.
    const struct {
        std::string archivo, clave;
        bool abre;
    } aperturas[] = {
        {archivo, archivos::ClaveBase, true}, {archivo, "otra", false}, {en("falta"), archivos::ClaveBase, false}};
    for (const auto& a : aperturas) {
        BaseSqlcipher b;
        b.adelantar(archivo, archivos::ClaveBase);
        EXPECT_EQ(b.abrir(a.archivo, a.clave, error), a.abre) << a.archivo << " " << a.clave;
        EXPECT_EQ(lee(b, {peligroso, z, "O'Brien"}), a.abre);
    }
    // No file to open ahead: ready at once, so that the game tells of it before any registry.
    BaseSqlcipher sinArchivo(en("datos"));
    sinArchivo.adelantar(en("falta"), archivos::ClaveBase);
    EXPECT_TRUE(sinArchivo.listo());

    // Another connection holds the file: the first read waits and gives up, the next ones
    // give up at once, and the player is told once; a write refused meanwhile is not stored.
    // Once the file is free, a new hold is waited for and told again; one that ends within
    // the wait is waited out.
    using namespace std::chrono;
    Juego juego(puertos());
    juego.arrancar();
    sqlite3* otra = conClave(archivo);
    for (std::size_t retencion = 1; retencion <= 2; ++retencion) {
        ASSERT_EQ(sqlite3_exec(otra, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
        const auto inicio = steady_clock::now();
        juego.jugadores.ConsultarRecuerdos("E");
        const auto primera = steady_clock::now();
        juego.jugadores.MenuPartidas_Click();
        EXPECT_FALSE(base.agregarTanto(fila(1), f));
        EXPECT_GT(primera - inicio, 1s);
        EXPECT_LT(steady_clock::now() - primera, 1s);
        EXPECT_EQ(avisos.textos.size(), retencion);
        ASSERT_EQ(sqlite3_exec(otra, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
        std::vector<FilaTanto> tantos;
        EXPECT_TRUE(base.leerTantos(tantos, f) && tantos.size() == 50u) << f.descripcion;
    }
    EXPECT_EQ(avisos.textos.back(), "No es posible entrar a mis \"recuerdos\".   Error : database is locked");
    // Held at start-up by another's write for a second: opening waits for it, not around it.
    ASSERT_EQ(sqlite3_exec(otra, "BEGIN EXCLUSIVE; INSERT INTO Jugador VALUES ('Ana');", nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::thread escritora([otra] {
        std::this_thread::sleep_for(1s);
        sqlite3_exec(otra, "COMMIT;", nullptr, nullptr, nullptr);
    });
    BaseSqlcipher tras;
    const bool abierta = abrir(tras);
    escritora.join();
    sqlite3_close(otra);
    ASSERT_TRUE(abierta) << error;
    const std::vector<std::string> quedan{peligroso, z, "O'Brien", "Ana"};
    EXPECT_TRUE(lee(tras, quedan));

    // Read-only files and folders report the failed writes and lose nothing; the data
    // folder gets a copy of the file.
    base.cerrar();
    const auto soloLectura = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    // A read-only file in a folder that can be written: it opens, reads, and a write fails.
    fs::permissions(archivo, soloLectura);
    fs::permissions(ruta, fs::perms::all);
    EXPECT_EQ(comoUsuario([&] {
                  BaseSqlcipher b;
                  return abrir(b) && lee(b, quedan) && !b.agregarJugador("Beto", f) && f.paso == PasoBase::Recordar &&
                         f.descripcion == "attempt to write a readonly database" && lee(b, quedan);
              }),
              0);
    // A folder that cannot be written (an installed program), the file writable: without
    // a data folder the writes fail; with one, the file is copied there and used.
    fs::permissions(archivo, fs::perms::all);
    fs::permissions(ruta, soloLectura | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
    const std::string datos = "/tmp/naipalia-datos-" + std::to_string(getpid());
    EXPECT_EQ(comoUsuario([&] {
                  BaseSqlcipher b;
                  if (!abrir(b) || !lee(b, quedan) || b.agregarJugador("Beto", f) || f.descripcion.empty())
                      return false;
                  BaseSqlcipher instalada(datos);
                  return abrir(instalada) && instalada.archivo() == datos + "/naipalia.mdb" &&
                         instalada.agregarJugador("Beto", f) && instalada.integridad() == "ok";
              }),
              0);
    fs::permissions(ruta, fs::perms::owner_all, fs::perm_options::add);
    ASSERT_TRUE(abrir(base));
    EXPECT_TRUE(lee(base, quedan));
    EXPECT_EQ(base.integridad(), "ok");
    std::error_code e;
    fs::remove_all(datos, e);
    // The installed file is marked read-only: whoever runs the game, root too, plays on a
    // copy in the data folder, and the installed file stays as shipped.
    fs::permissions(archivo, soloLectura);
    const std::string enviado = bytes(archivo);
    BaseSqlcipher instalada(datos);
    EXPECT_TRUE(abrir(instalada)) << error;
    EXPECT_EQ(instalada.archivo(), datos + "/naipalia.mdb");
    EXPECT_TRUE(instalada.agregarJugador("Carla", f)) << f.descripcion;
    EXPECT_TRUE(bytes(archivo) == enviado) << "the installed file was written";
    fs::remove_all(datos, e);
}

TEST_F(BaseEnDisco, UnArchivoAjenoNoAbreYAUnoViejoSeLeAgregaLoQueFalta) {
    // Missing: not made in its place.
    EXPECT_FALSE(abrir(base));
    EXPECT_EQ(error, "unable to open database file");
    EXPECT_FALSE(fs::exists(archivo));
    ASSERT_TRUE(BaseSqlcipher::Crear(en("otra"), "otra", error));
    // Made from these bytes, or else by these statements with the game's password.
    const struct {
        const char* caso;
        std::string bytes;
        std::string sql;
        const char* error;
    } casos[] = {
        {"otra clave", bytes(en("otra")), "", "file is encrypted or is not a database"},
        {"basura", std::string(4096, '\x5a'), "", "file is encrypted or is not a database"},
        {"vacío", "", "", "Falta la tabla Jugador."},
        {"sin las tablas", "", "CREATE TABLE Otra (x); INSERT INTO Otra VALUES (1);", "Falta la tabla Jugador."},
        {"sin Configuracion", "", TablasSinConfiguracion, "Falta la tabla Configuracion."},
        // A column the game always had is not made up; nor is an addable one added then.
        {"sin GanoJugador", "",
         "CREATE TABLE Jugador (Jugador TEXT); CREATE TABLE TantoJugador (Jugador TEXT, Tipo TEXT, Numero INTEGER, "
         "MintioJugador INTEGER); CREATE TABLE Configuracion (Recuerdo INTEGER);",
         "Falta la columna GanoJugador de la tabla TantoJugador."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const std::string otro = en(std::string(caso.caso) + ".mdb");
        std::ofstream(otro, std::ios::binary) << caso.bytes;
        if (!caso.sql.empty()) conClave(otro, caso.sql);
        const std::string antes = bytes(otro);
        EXPECT_FALSE(base.abrir(otro, archivos::ClaveBase, error));
        EXPECT_EQ(error, caso.error);
        EXPECT_EQ(bytes(otro), antes);
        // Every operation then fails, with a reason.
        f = {};
        EXPECT_FALSE(lee(base, {}));
        EXPECT_FALSE(f.descripcion.empty());
    }

    // A file of an older version gets what it lacks: the option it has no column for, False,
    // and a games' table. A games' table the game cannot use is set aside under a free name
    // with its rows, a new one made and the player told once; the other tables are read as
    // ever. One with a column more that a row may leave empty is kept.
    const std::string sinHora = "Numero, Fecha, PuntosJuego, PuntosJugador, PuntosComputadora";
    const std::string antigua = std::string(TablasSinConfiguracion) +
                                "CREATE TABLE Configuracion (\"30Puntos\" INTEGER, Multimedia INTEGER, Recuerdo "
                                "INTEGER); INSERT INTO Configuracion VALUES (1, 0, 1); INSERT INTO Jugador VALUES "
                                "('Ana'); INSERT INTO TantoJugador VALUES ('Ana', 'E', 1, 0, 0);";
    const std::string aviso = "La tabla de partidas terminadas estaba dañada: se guardó aparte, como ";
    const std::pair<std::string, std::string> tablas[] = {
        // the table, and where its rows are then
        {"", "Partidas"},
        {"CREATE TABLE Partidas (" + sinHora + ", Nota)", "Partidas_apartada"},
        {"CREATE TABLE Partidas_Apartada (x); CREATE TABLE Partidas (Hora, " + sinHora + ", Nota NOT NULL)",
         "Partidas_apartada_2"},
        {"CREATE TABLE Partidas (Hora, " + sinHora + ", Nota)", "Partidas"},
    };
    for (const auto& [tabla, apartada] : tablas) {
        SCOPED_TRACE(tabla);
        fs::remove(archivo);
        conClave(archivo,
                 antigua + tabla +
                     (tabla.empty() ? "" : "; INSERT INTO Partidas (Numero, Fecha, Nota) VALUES (7, 'vieja', 1)"));
        avisos.textos.clear();
        for (int vez = 0; vez < 2; ++vez) Juego(puertos()).arrancar();
        EXPECT_EQ(avisos.textos,
                  std::vector<std::string>(apartada != "Partidas", aviso + apartada + ", y se empezó una nueva."));
        conClave(archivo, "INSERT INTO Jugador SELECT Fecha FROM " + apartada);  // its rows, read as names
        EXPECT_TRUE(
            lee(base, tabla.empty() ? std::vector<std::string>{"Ana"} : std::vector<std::string>{"Ana", "vieja"}));
        OpcionesGuardadas o;
        ASSERT_TRUE(base.leerOpciones(o, f)) << f.descripcion;
        EXPECT_TRUE(o[Opcion::Puntos30] && o[Opcion::Recuerdos] && !o[Opcion::Voz] && !o[Opcion::Flor]);
        EXPECT_TRUE(base.guardarOpcion(Opcion::Flor, true, f)) << f.descripcion;
        std::vector<FilaTanto> tantos;
        std::vector<FilaPartida> p;
        EXPECT_TRUE(base.leerTantos(tantos, f) && tantos.size() == 1) << f.descripcion;
        EXPECT_TRUE(base.agregarPartida("Ana", {0, "06/12/2026", "12:00:00", 15, 15, 3}, f)) << f.descripcion;
        EXPECT_TRUE(base.leerPartidas("Ana", p, f) && p.size() == 1 && p[0].Hora == "12:00:00") << f.descripcion;
        EXPECT_EQ(base.integridad(), "ok");
    }
}

// A child writes rows one by one, telling each stored row through a pipe: on a disk that
// fills up (the file may not grow past a few pages) until a write fails, or until it is
// killed once a few hundred rows are known to be stored. Either way the file stays sound
// and holds every stored row, whole.
TEST_F(BaseEnDisco, UnDiscoLlenoOUnKillDejanUnArchivoSanoConFilasEnteras) {
    for (const bool discoLleno : {true, false}) {
        SCOPED_TRACE(discoLleno ? "disco lleno" : "kill");
        const std::string archivo = en(discoLleno ? "lleno.mdb" : "kill.mdb");
        ASSERT_TRUE(BaseSqlcipher::Crear(archivo, archivos::ClaveBase, error)) << error;
        int pipa[2];
        ASSERT_EQ(pipe(pipa), 0);
        const pid_t pid = enOtroProceso([&] {
            close(pipa[0]);
            if (discoLleno) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limite{64 * 1024, 64 * 1024};
                setrlimit(RLIMIT_FSIZE, &limite);
            }
            BaseSqlcipher escritora;
            if (!escritora.abrir(archivo, archivos::ClaveBase, error)) return 2;
            for (int i = 0; i < 100000 && escritora.agregarTanto(fila(i % 34), f); ++i)
                if (write(pipa[1], "x", 1) != 1) return 3;
            // The full disk is a failure of the write step, with the engine's reason.
            return f.paso == PasoBase::Recordar && !f.descripcion.empty() ? 0 : 1;
        });
        close(pipa[1]);
        long confirmadas = 0;
        char buf[64];
        for (ssize_t n; (discoLleno || confirmadas < 300) && (n = read(pipa[0], buf, sizeof buf)) > 0;)
            confirmadas += n;
        if (!discoLleno) kill(pid, SIGKILL);
        const int salida = esperar(pid);
        close(pipa[0]);
        EXPECT_TRUE(!discoLleno || salida == 0);
        ASSERT_GE(confirmadas, discoLleno ? 1 : 300);

        BaseSqlcipher leida;
        ASSERT_TRUE(leida.abrir(archivo, archivos::ClaveBase, error)) << error;
        EXPECT_EQ(leida.integridad(), "ok");
        std::vector<FilaTanto> filas;
        ASSERT_TRUE(leida.leerTantos(filas, f));
        EXPECT_GE(static_cast<long>(filas.size()), confirmadas);
        EXPECT_TRUE(!discoLleno || static_cast<long>(filas.size()) == confirmadas) << "a refused row was kept";
        const auto campos = [](const FilaTanto& x) {
            return std::make_tuple(x.Jugador, x.Tipo, x.Numero, x.MintioJugador, x.GanoJugador);
        };
        for (std::size_t i = 0; i < filas.size(); ++i)
            EXPECT_EQ(campos(filas[i]), campos(fila(static_cast<int>(i % 34)))) << "row " << i;
        EXPECT_TRUE(discoLleno || leida.agregarTanto(fila(1), f)) << "it goes on taking rows";
    }
}
