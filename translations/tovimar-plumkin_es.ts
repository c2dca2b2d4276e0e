<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>no hay ninguna pantalla donde mostrar el juego (DISPLAY no está definido)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Se ha producido un error en el programa.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Puede continuar, reiniciar o cerrar el programa.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Puede continuar, reiniciar o cerrar el programa. Se ha guardado un informe en %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Enviar por c&amp;orreo</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ocultar &amp;detalles...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Toca el color azul.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Toca el color negro.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Toca el color amarillo.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Toca el color verde.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Toca el color blanco.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Toca el color rojo.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Toca la nota Mi.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Toca la nota Fa.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Toca la nota Sol.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Toca la nota La.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Toca la nota Si.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Toca la nota Do.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Toca la nota Re.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca el triángulo.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Toca el círculo.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Toca el cuadrado.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>No se oyó nada. Compruebe que el micrófono está encendido y no silenciado, y hable cerca de él.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>No se encontró ningún micrófono. Conecte uno o permita que el juego lo use en la configuración de sonido del ordenador, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>No se pudo usar el micrófono (%1). Permita que el juego lo use en la configuración de sonido del ordenador y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Toca el color amarillo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Cambiar todo de sitio.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Colores: todos</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Toca el color negro.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Cambiar todo de sitio.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Colores: negro-blanco</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Toca el color azul.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Cambiar todo de sitio.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Colores: azul-rojo-amarillo</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Ver pistas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Nivel   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Nivel   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Nivel   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Nivel   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>¿Salir de Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Música: Mi-Fa-Sol-La-Si-Do-Re</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Música: Fa-La-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Música: Fa-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Música: Fa-Sol-La-Si-Do</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Tovimar Plumkin</source>
        <translation>Tovimar Plumkin</translation>
    </message>
</context>
<context>
    <name>TfrmReward</name>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>¡Bravo!</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Ajustes para padres</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Jugar en pantalla completa   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Preguntar antes de salir</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Voces y aplausos</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Silenciar todos los sonidos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Grabar la voz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: ajustes para padres</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Voz: grabada para este juego</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Voz: una voz sintética</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca el triángulo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Cambiar todo de sitio.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formas: círculo-triángulo</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca el triángulo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Cambiar todo de sitio.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formas: círculo-triángulo</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: grabar la voz</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Grabar la voz: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>la voz del juego se grabó para este juego</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>la voz del juego es una voz sintética</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>su voz</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Escuchando... Diga «%1» y luego pulse Parar.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Guardado. Ahora el juego dice «%1» con su voz.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Se conserva la grabación anterior.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Quitado. El juego vuelve a decir «%1» con su propia voz.</translation>
    </message>
</context>
</TS>
