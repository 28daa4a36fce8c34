"""Texts of the help page, one HTML fragment per section (Spanish, for players)."""

INTRO = """
  <p>Naipalia es el truco argentino de toda la vida, con la baraja española de 40 cartas,
  jugado mano a mano contra la computadora. La computadora canta, miente, se acuerda de
  cómo jugás y, al final de cada ronda, revisa que el tanto que cantaste sea cierto.</p>
  <p class="nota">Para empezar: elegí tu nombre en la ventana <b>Nuevo Jugador</b> y después
  presioná <kbd>F5</kbd> (o <b>Juego &rarr; Nuevo juego</b>).</p>
"""

SECCIONES = [
("cartas", "Las cartas y su valor", """
    <p>Se juega con 40 cartas de cuatro palos: <b>espada</b>, <b>basto</b>, <b>oro</b> y
    <b>copa</b>, numeradas del 1 al 7 y 10, 11 y 12 (no hay ochos ni nueves).</p>
    <h3>Orden del truco</h3>
    <p>En cada mano gana la carta más fuerte. De mayor a menor:</p>
    <table>
      <tr><th class="num">Puesto</th><th>Cartas</th></tr>
      <tr><td class="num">1</td><td>1 de espada (el ancho de espada)</td></tr>
      <tr><td class="num">2</td><td>1 de basto (el ancho de basto)</td></tr>
      <tr><td class="num">3</td><td>7 de espada</td></tr>
      <tr><td class="num">4</td><td>7 de oro</td></tr>
      <tr><td class="num">5</td><td>los cuatro 3</td></tr>
      <tr><td class="num">6</td><td>los cuatro 2</td></tr>
      <tr><td class="num">7</td><td>1 de oro y 1 de copa (los anchos falsos)</td></tr>
      <tr><td class="num">8</td><td>los cuatro 12</td></tr>
      <tr><td class="num">9</td><td>los cuatro 11</td></tr>
      <tr><td class="num">10</td><td>los cuatro 10</td></tr>
      <tr><td class="num">11</td><td>7 de copa y 7 de basto</td></tr>
      <tr><td class="num">12</td><td>los cuatro 6</td></tr>
      <tr><td class="num">13</td><td>los cuatro 5</td></tr>
      <tr><td class="num">14</td><td>los cuatro 4</td></tr>
    </table>
    <p>Las cartas de un mismo puesto empatan entre sí: el palo nunca desempata. Un 3 de oro
    contra un 3 de espada es una mano empatada (parda), que el juego anota como
    <b>Iguales</b>.</p>
    <h3>Valor para el tanto</h3>
    <p>Para el envido y la flor cada carta vale su número del 1 al 7; el 10, el 11 y el 12
    valen 0.</p>
"""),
("ronda", "La ronda: tres manos", """
    <p>En cada ronda se reparten tres cartas a cada uno. El que es <b>mano</b> juega primero;
    la mano se alterna ronda a ronda. Quién es mano en la primera ronda de un juego se elige en
    <b>Juego &rarr; Comienzo</b>. La caja <b>¿Quién es mano?</b> de la mesa lo muestra.</p>
    <p>Cada ronda tiene hasta tres manos (1ª, 2ª y 3ª), de una carta por lado. El ganador de una
    mano juega primero en la siguiente; después de una mano empatada vuelve a empezar el que es
    mano. El resultado de cada mano se ve en las cajas <b>1ª Mano</b>, <b>2ª Mano</b> y
    <b>3ª Mano</b>.</p>
    <h3>Quién gana la ronda</h3>
    <ul>
      <li>El primero que gana dos manos.</li>
      <li>Si la 1ª mano empata, gana el que gane la 2ª (y si también empata, el que gane la 3ª).</li>
      <li>Si alguien ganó la 1ª y después hay un empate en la 2ª o en la 3ª, gana el que ganó la
      1ª: se gana <b>por primera</b>.</li>
      <li>Si las tres manos empatan, gana el que es mano: se gana <b>por mano</b>.</li>
    </ul>
    <p>El ganador de la ronda se lleva los puntos del truco: 1 punto si nadie cantó truco, o lo
    que valga el truco querido (ver <a href="#truco">El truco</a>). Además, antes, se anotan los
    puntos del envido y de la flor.</p>
    <p>El juego termina cuando alguien llega a 15 puntos, o a 30 si así se eligió en
    <b>Juego &rarr; Puntaje</b>.</p>
"""),
("tanto", "El tanto", """
    <p>El tanto es lo que se disputa en el envido. Se calcula con tus tres cartas:</p>
    <ul>
      <li>Con dos cartas del mismo palo: 20 más el valor de las dos.</li>
      <li>Con tres cartas del mismo palo: 20 más las dos de mayor valor.</li>
      <li>Sin dos cartas del mismo palo: el valor de la carta más alta, sola.</li>
    </ul>
    <p>Por eso el tanto siempre es un número de 0 a 7 o de 20 a 33.</p>
    <table>
      <tr><th>Cartas</th><th class="num">Tanto</th></tr>
      <tr><td>7 y 6 de copa, y cualquier otra</td><td class="num">33</td></tr>
      <tr><td>4 y 5 de espada, 7 de oro</td><td class="num">29</td></tr>
      <tr><td>10 y 11 de espada, 1 de oro</td><td class="num">20</td></tr>
      <tr><td>1 de espada, 1 de basto, 7 de oro</td><td class="num">7</td></tr>
      <tr><td>12 de espada, 11 de basto, 10 de oro</td><td class="num">0</td></tr>
    </table>
"""),
("envido", "El envido", """
    <p>El envido se canta en la primera mano, antes de jugar tu primera carta, con los botones
    <b>Envido</b>, <b>Real Envido</b> y <b>Falta Envido</b> de la mesa. Cuando jugás tu primera
    carta, cuando se canta flor o cuando se quiere el truco, el envido ya no se puede cantar.</p>
    <p>Si la computadora te canta el envido, contestás en la <b>Ventana de Tanto</b>:</p>
    <ul>
      <li>a un <b>Envido</b>: Quiero, No Quiero, Envido, Real Envido o Falta Envido;</li>
      <li>a un <b>Real Envido</b>: Quiero, No Quiero o Falta Envido;</li>
      <li>a una <b>Falta Envido</b>: Quiero o No Quiero.</li>
    </ul>
    <p>Con la flor activada también podés contestar <b>Flor</b>, si todavía no jugaste ninguna
    carta.</p>
    <h3>Puntos del envido</h3>
    <p>Si no se quiere, el último que cantó se lleva los puntos de la columna «No querido». Si se
    quiere, el que tiene más tanto se lleva los de «Querido».</p>
    <table>
      <tr><th>Lo cantado</th><th class="num">No querido</th><th class="num">Querido</th></tr>
      <tr><td>Envido</td><td class="num">1</td><td class="num">2</td></tr>
      <tr><td>Real Envido</td><td class="num">1</td><td class="num">3</td></tr>
      <tr><td>Falta Envido</td><td class="num">1</td><td class="num">la falta</td></tr>
      <tr><td>Envido Envido</td><td class="num">2</td><td class="num">4</td></tr>
      <tr><td>Envido Real Envido</td><td class="num">2</td><td class="num">5</td></tr>
      <tr><td>Envido Falta Envido</td><td class="num">2</td><td class="num">la falta</td></tr>
      <tr><td>Real Envido Falta Envido</td><td class="num">3</td><td class="num">la falta</td></tr>
      <tr><td>Envido Real Envido Falta Envido</td><td class="num">5</td><td class="num">la falta</td></tr>
    </table>
    <p><b>La falta</b> son los puntos que le faltan al que pierde para llegar a 15 (o a 30).
    <span class="ejemplo">Jugando a 15, si vos tenés 3 y la computadora 12 y ganás la falta
    envido, sumás 15 &minus; 12 = 3 puntos.</span> Si el que gana la falta va primero o empatado,
    con ella gana el juego.</p>
    <h3>Cómo se compara el tanto</h3>
    <p>Si la computadora es mano, dice primero su tanto: «Tengo 28 puntos. ¿Son buenas?». Si
    contestás <b>Sí</b>, gana ella y no decís nada. Si contestás <b>No</b>, o si la mano sos vos,
    aparece el teclado <b>Ingresá tu tanto</b> con los números posibles (0 a 7 y 20 a 33); elegís
    el tuyo y lo confirmás. Gana el tanto más alto; si empatan, gana el que es mano.</p>
    <p class="nota">El número que declarás no se controla en ese momento: se revisa al final de
    la ronda con tus cartas (ver <a href="#finronda">Fin de la ronda</a>). Podés mentir&hellip;
    pero si te descubren, pagás caro.</p>
    <p>Los puntos del envido se anotan al final de la ronda, después de esa revisión. Si los
    puntos en juego bastan para terminar el juego, la ventana de fin de ronda se abre en ese
    mismo momento.</p>
"""),
("flor", "La flor", """
    <p>La flor se juega solo si está activada en <b>Juego &rarr; Flor &rarr; Sí</b>. Tiene flor
    quien tiene sus tres cartas del mismo palo. Cuando se canta flor, reemplaza al envido de la
    ronda: ya no se canta envido. Se canta con el botón <b>Flor</b> de la mesa, antes de jugar tu
    primera carta. Si cantás envido y la computadora tiene flor, ella canta su flor.</p>
    <p>El valor de la flor es 20 más el valor de las tres cartas (de 20 a 38).</p>
    <h3>Respuestas</h3>
    <ul>
      <li><b>Con flor me achico</b>: el que también tiene flor no quiere disputarla.</li>
      <li><b>Con flor juego</b>: se comparan las flores por 6 puntos.</li>
      <li><b>Contra flor al resto</b> (en la ventana, botón <b>Contra flor al juego</b>): se
      comparan por la falta.</li>
    </ul>
    <p>Cuando la computadora canta «Flor!!», en la <b>Ventana de Flor</b> podés
    <b>Aceptar</b> (ella se anota la flor), achicarte, o contestar con tu flor. Si la disputa se
    acepta, se declaran las flores como el tanto, con el teclado <b>Ingresá tu tanto con
    flor</b> (20 a 38); si empatan, gana el que es mano. No querer una disputa de flor equivale a
    achicarse.</p>
    <table>
      <tr><th>Resultado</th><th class="num">Puntos</th><th>Para quién</th></tr>
      <tr><td>Flor sin disputa (el otro no tiene flor)</td><td class="num">3</td><td>el que la cantó</td></tr>
      <tr><td>Con flor me achico</td><td class="num">4</td><td>el otro</td></tr>
      <tr><td>Con flor juego, querida</td><td class="num">6</td><td>la flor más alta</td></tr>
      <tr><td>Contra flor al resto, querida</td><td class="num">la falta</td><td>la flor más alta</td></tr>
    </table>
    <p>Tu flor también se revisa al final de la ronda: tenés que poder mostrar las tres cartas
    del mismo palo.</p>
"""),
("truco", "El truco", """
    <p>El truco sube el valor de la ronda. Se canta con los botones <b>Truco</b>,
    <b>Re-Truco</b> y <b>Vale 4</b> en tu turno, cuando el botón está habilitado.</p>
    <table>
      <tr><th>Canto</th><th class="num">Querido, la ronda vale</th><th class="num">No querido, el que cantó gana</th></tr>
      <tr><td>Sin truco</td><td class="num">1</td><td class="num">&mdash;</td></tr>
      <tr><td>Truco</td><td class="num">2</td><td class="num">1</td></tr>
      <tr><td>Retruco</td><td class="num">3</td><td class="num">2</td></tr>
      <tr><td>Vale cuatro</td><td class="num">4</td><td class="num">3</td></tr>
    </table>
    <ul>
      <li>Un canto no querido termina la ronda en el acto.</li>
      <li>Solo puede subir el que quiso el último canto: si cantás truco y la computadora lo
      quiere, el retruco es de ella; si ella lo canta y vos lo querés, el vale cuatro es tuyo.</li>
      <li>Cuando la computadora te canta, contestás <b>Quiero</b>, <b>No quiero</b> o subís de una
      vez (<b>Re-Truco</b> o <b>Vale 4</b>), que es querer y redoblar.</li>
      <li>Si te canta truco en la primera mano y el envido todavía se puede cantar, tenés además
      el botón <b>Primero está el tanto</b>: cantás el envido desde la mesa y después seguís con
      el truco.</li>
      <li>Si cantás truco en la primera mano, antes de contestar la computadora puede cantarte el
      envido: «Antes está el tanto».</li>
      <li>Si la computadora acaba de jugar un cuatro en la 3ª mano, o en la 2ª después de una 1ª
      empatada, no se le puede cantar: «Le cantás a un cuatro, no se puede!!».</li>
    </ul>
"""),
("mazo", "Irse al mazo", """
    <p>Con el botón <b>Mazo</b> abandonás la ronda y la computadora se anota:</p>
    <ul>
      <li>si todavía no se cantó envido ni flor y la computadora no jugó su primera carta: el valor
      del truco más 1 (2, 3, 4 o 5 puntos), porque el envido quedó sin jugar;</li>
      <li>en los demás casos: el valor del truco (1, 2, 3 o 4).</li>
    </ul>
    <p>La computadora también se puede ir al mazo. Si lo hace antes de jugar su primera carta, sin
    envido ni truco queridos, te anotás 2 puntos; si no, el valor del truco.</p>
"""),
("finronda", "Fin de la ronda: la revisión del tanto", """
    <p>Toda ronda termina en una ventana que dice por qué terminó, con dos botones:
    <b>Próxima ronda</b> y <b>Mostrar cartas</b>. Ahí se arreglan las cuentas del envido y de
    la flor:</p>
    <ol>
      <li>Si la computadora ganó el tanto, muestra las cartas que lo forman (o su flor) y se anota
      los puntos.</li>
      <li>Si lo ganaste vos, se revisa el número que declaraste:
        <ul>
          <li>con <b>Próxima ronda</b>, solo con las cartas que jugaste en la mesa: con dos del
          mismo palo, 20 más las dos; con dos de distinto palo, la de mayor valor; con una, su
          valor; sin ninguna, no lo podés probar;</li>
          <li>con <b>Mostrar cartas</b> (o si jugaste las tres), con tus tres cartas.</li>
        </ul>
      </li>
      <li>Si el tanto coincide, «Tu tanto es correcto.» y te anotás los puntos. Si no, la
      computadora grita <b>«Mentira»</b> y se lleva los puntos en juego <b>más cinco</b>.</li>
      <li>Los puntos de un envido no querido van al último que cantó.</li>
    </ol>
    <table>
      <tr><th>Mentira en&hellip;</th><th class="num">La computadora gana</th></tr>
      <tr><td>Envido</td><td class="num">7</td></tr>
      <tr><td>Real Envido</td><td class="num">8</td></tr>
      <tr><td>Envido Envido</td><td class="num">9</td></tr>
      <tr><td>Envido Real Envido</td><td class="num">10</td></tr>
      <tr><td>Cualquier Falta Envido</td><td class="num">la falta + 5</td></tr>
      <tr><td>Flor</td><td class="num">8</td></tr>
      <tr><td>Con flor me achico</td><td class="num">9</td></tr>
      <tr><td>Con flor juego</td><td class="num">11</td></tr>
      <tr><td>Contra flor al resto</td><td class="num">la falta + 5</td></tr>
    </table>
    <p>Se castiga una sola mentira por ronda. Si te achicaste ante la flor de la computadora sin
    tener flor, ella se anota la flor pero no los cinco de castigo.</p>
    <p class="nota">Consejo: si ganaste el tanto con 20 o más, jugá las dos cartas del tanto o
    presioná <b>Mostrar cartas</b>; con una sola carta en la mesa no podés probar un tanto de
    20 o más.</p>
    <p>Si cantaste tanto, nadie lo quiso y en la mesa quedó a la vista que tenías menos de 20,
    la computadora te lo puede hacer notar («Ehh!! Cantaste tanto&hellip;») y lo tiene en cuenta para las
    próximas rondas.</p>
    <p>Los puntos del truco se anotan cuando cerrás esta ventana.</p>
"""),
("finjuego", "Fin del juego", """
    <p>Cuando alguien llega a 15 (o a 30) puntos el juego termina: las cartas bailan sobre la mesa
    y la computadora festeja o se lamenta según la diferencia (8 o más, de 5 a 7, o menos de 5).
    Con <b>Aceptar</b> se limpia la mesa y podés empezar otro juego.</p>
"""),
("mesa", "Cómo jugar: mouse y teclado", """
    <h3>Con el mouse</h3>
    <ul>
      <li><b>Clic</b> sobre una carta de tu mano: la jugás en la mano actual.</li>
      <li><b>Arrastrar con el botón derecho</b>: llevá la carta hasta su lugar en la mesa (el de la
      mano que se está jugando, marcado con tu nombre) y soltala ahí. Si la soltás en otro lado,
      vuelve sola a tu mano.</li>
      <li>Los botones <b>Carta 1</b>, <b>Carta 2</b> y <b>Carta 3</b> juegan tus cartas de
      izquierda a derecha.</li>
      <li>Los botones de canto (Envido, Truco, Mazo&hellip;) solo están habilitados cuando se
      pueden usar.</li>
    </ul>
    <p>La línea <b>Estado del Juego</b> te dice si te toca jugar en la mesa o contestar en una
    ventana.</p>
    <h3>Con el teclado</h3>
    <p>Cada botón y cada menú tiene una letra subrayada: <kbd>Alt</kbd> más esa letra equivale a
    hacer clic.</p>
    <table>
      <tr><th>Teclas</th><th>Acción</th></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>1</kbd>, <kbd>Alt</kbd>+<kbd>2</kbd>, <kbd>Alt</kbd>+<kbd>3</kbd></td><td>Carta 1, Carta 2, Carta 3</td></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>E</kbd></td><td>Envido</td></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>T</kbd></td><td>Truco</td></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>R</kbd></td><td>Re-Truco</td></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>V</kbd></td><td>Vale 4</td></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>M</kbd></td><td>Mazo</td></tr>
      <tr><td><kbd>F5</kbd></td><td>Nuevo juego</td></tr>
      <tr><td><kbd>Alt</kbd>+<kbd>Q</kbd>, <kbd>Alt</kbd>+<kbd>N</kbd></td><td>Quiero, No quiero (en las ventanas de canto)</td></tr>
    </table>
"""),
("menus", "Menús y opciones", """
    <h3>Juego</h3>
    <table>
      <tr><th>Opción</th><th>Qué hace</th></tr>
      <tr><td>Nuevo juego (<kbd>F5</kbd>)</td><td>Empieza un juego nuevo, con los puntos en 0.</td></tr>
      <tr><td>Finalizar juego</td><td>Termina el juego en curso; antes se arreglan las cuentas de la ronda.</td></tr>
      <tr><td>«Recuerdos» (Sí / No)</td><td>La computadora guarda y consulta tu historial de tantos (ver <a href="#recuerdos">Recuerdos</a>). Apagado al principio; no está disponible si no se pudo abrir la base de datos del programa.</td></tr>
      <tr><td>Flor (Sí / No)</td><td>Juega con flor o sin flor. Apagado al principio.</td></tr>
      <tr><td>Comienzo</td><td>Quién es mano en la primera ronda: vos, la computadora o al azar (Mano Aleatorio, la opción inicial).</td></tr>
      <tr><td>Puntaje</td><td>Juego a 15 puntos (inicial) o a 30 puntos.</td></tr>
      <tr><td>Multimedia</td><td><b>Movimiento Carta</b>: el sonido de las cartas (encendido al principio). <b>Voz</b>: la computadora dice sus cantos en voz alta (apagada al principio).</td></tr>
      <tr><td>Acerca de Naipalia..</td><td>Muestra los datos del programa sobre la mesa; <b>Aceptar</b> lo cierra. Mientras está abierto, el menú Juego no se usa.</td></tr>
      <tr><td>Salir</td><td>Pregunta si querés salir; si hay un juego en curso, primero se cierra la ronda.</td></tr>
    </table>
    <p>Las opciones Flor y Puntaje se cambian entre juegos. Puntaje, Voz, «Recuerdos» y Flor
    se guardan para la próxima vez; Comienzo y Movimiento Carta valen mientras el programa
    está abierto.</p>
    <h3>Ayuda</h3>
    <p>Abre esta página.</p>
    <h3>El botón Nuevo Jugador</h3>
    <p>En la mesa, <b>Nuevo Jugador</b> vuelve a abrir la lista de jugadores para cambiar de
    nombre.</p>
"""),
("recuerdos", "Jugadores, «recuerdos» y estadísticas", """
    <p>Al abrir el programa aparece la ventana <b>Nuevo Jugador</b>. Elegí tu nombre de la lista
    o escribilo en <b>Nuevo Jugador</b>, presioná <b>Registrar Nuevo Jugador</b> y después
    seleccionalo. Con <b>Jugar</b> empieza todo. Usá siempre tu propio nombre: la computadora
    aprende de cada jugador por separado.</p>
    <p>Con <b>«Recuerdos»</b> encendido, cada vez que declarás tu tanto la computadora anota tu
    tanto verdadero, si mentiste y si ganaste. Cuando vos le cantás Envido, Real Envido o Falta
    Envido y ya tiene por lo menos cinco recuerdos de ese canto, antes de contestar te muestra la
    ventana <b>Mis «recuerdos» estadísticos</b>:</p>
    <table>
      <tr><th>Dato</th><th>Qué significa</th></tr>
      <tr><td>Cantidad jugados</td><td>Cuántas veces declaraste el tanto en ese canto.</td></tr>
      <tr><td>% ganados</td><td>En cuántas de ellas le ganaste.</td></tr>
      <tr><td>% tantos mentirosos</td><td>En cuántas declaraste un número que no era tu tanto.</td></tr>
      <tr><td>Promedio de tanto</td><td>Tu tanto verdadero, en promedio.</td></tr>
    </table>
    <p>Cada dato viene con un comentario, de «Sos un ejemplo» a «Estás para el
    neuropsiquiátrico&hellip;». Al cerrar la ventana la computadora decide: cuantos más de tus
    tantos pasados le gane su tanto de ahora, más se anima a querer o a subir la apuesta.</p>
"""),
("rival", "Conocé a tu rival", """
    <ul>
      <li>La computadora <b>miente</b>: a veces canta truco sin cartas, para ver si te asustás.</li>
      <li>Se da cuenta si cantás el envido en casi todas las rondas («¿Estás apurando...?»,
      «¿Cantás facilmente el tanto...?») y entonces te lo quiere más seguido.</li>
      <li>Usa el tanto que declaraste para adivinar qué carta te queda en la mano.</li>
      <li>Cuida el tanteador: cuando le falta poco para ganar, juega distinto.</li>
    </ul>
"""),
("glosario", "Palabras del truco", """
    <table>
      <tr><th>Palabra</th><th>Significado</th></tr>
      <tr><td>Mano (el jugador)</td><td>El que juega primero en la ronda; gana los empates de tanto, de flor y de tres manos iguales.</td></tr>
      <tr><td>Mano (la jugada)</td><td>Cada una de las tres bazas de una ronda: 1ª, 2ª y 3ª mano.</td></tr>
      <tr><td>Parda, Iguales</td><td>Mano empatada.</td></tr>
      <tr><td>Ancho</td><td>Un 1; los de espada y basto son los anchos verdaderos.</td></tr>
      <tr><td>Tanto</td><td>El valor de tus cartas para el envido.</td></tr>
      <tr><td>Querer</td><td>Aceptar un canto («Quiero»).</td></tr>
      <tr><td>Irse al mazo</td><td>Abandonar la ronda.</td></tr>
      <tr><td>La falta</td><td>Lo que le falta al que pierde para llegar al final del juego.</td></tr>
    </table>
"""),
]
