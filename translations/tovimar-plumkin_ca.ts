<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>no hi ha cap pantalla on mostrar el joc (DISPLAY no està definit)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>no es pot obrir la pantalla %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>S'ha produït un error al programa.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Podeu continuar, reiniciar o tancar el programa.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Podeu continuar, reiniciar o tancar el programa. S'ha desat un informe a %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostra els &amp;detalls...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Envia per c&amp;orreu</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reinicia</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Amaga els &amp;detalls...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Toca el color blau.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Toca el color negre.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Toca el color groc.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Toca el color verd.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Toca el color blanc.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Toca el color vermell.</translation>
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
        <translation>Toca el triangle.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Toca el cercle.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Toca el quadrat.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>No s'ha sentit res. Comproveu que el micròfon estigui encès i no silenciat, i parleu-hi a prop.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No es pot crear la carpeta %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>No s'ha trobat cap micròfon. Connecteu-ne un, o permeteu que el joc el faci servir a la configuració de so de l'ordinador, i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>No s'ha pogut fer servir el micròfon (%1). Permeteu que el joc el faci servir a la configuració de so de l'ordinador i torneu-ho a provar.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Toca el color groc.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Barreja</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Barreja-ho tot.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Colors: tots</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Toca el color negre.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Barreja</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Barreja-ho tot.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Colors: negre-blanc</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Toca el color blau.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Barreja</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Barreja-ho tot.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Colors: blau-vermell-groc</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Amb pistes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Nivell   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Nivell   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Nivell   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Nivell   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Vols sortir de Tovimar Plumkin?</translation>
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
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
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
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
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
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
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
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
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
        <translation>Acaba</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Molt bé</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Configuració per als pares</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Juga a pantalla completa   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Pregunta abans de sortir</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Veus i aplaudiments</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Silencia tots els sons</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Llengua</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Com l'escriptori</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Enregistra la veu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: configuració per als pares</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Veu: enregistrada per a aquest joc</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Veu: una veu sintètica</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca el triangle.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Barreja</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Barreja-ho tot.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formes: cercle-triangle</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca el triangle.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Barreja</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Barreja-ho tot.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formes: cercle-triangle</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: enregistra la veu</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Enregistra la veu: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>la veu del joc s'ha enregistrat per a aquest joc</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>la veu del joc és una veu sintètica</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escolta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Esborra</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>la vostra veu</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Escoltant... Digueu «%1» i després premeu Atura.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Desat. Ara el joc diu «%1» amb la vostra veu.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Es conserva l'enregistrament anterior.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Esborrat. El joc torna a dir «%1» amb la seva pròpia veu.</translation>
    </message>
</context>
</TS>
