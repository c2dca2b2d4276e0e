<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>nessuno schermo su cui mostrare il gioco (DISPLAY non è impostato)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>impossibile aprire lo schermo %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Si è verificato un errore nel programma.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Puoi continuare, riavviare o chiudere il programma.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Puoi continuare, riavviare o chiudere il programma. Un rapporto è stato salvato in %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostra &amp;dettagli...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Invia per &amp;e-mail</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Riavvia</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Nascondi &amp;dettagli...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Tocca il colore blu.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Tocca il colore nero.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Tocca il colore giallo.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Tocca il colore verde.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Tocca il colore bianco.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Tocca il colore rosso.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Tocca la nota Mi.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Tocca la nota Fa.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Tocca la nota Sol.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Tocca la nota La.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Tocca la nota Si.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Tocca la nota Do.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Tocca la nota Re.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Tocca il triangolo.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Tocca il cerchio.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Tocca il quadrato.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Non si è sentito nulla. Controlla che il microfono sia acceso e non disattivato, poi parla vicino al microfono.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Nessun microfono trovato. Collegane uno, oppure consenti al gioco di usarlo nelle impostazioni audio del computer, poi riprova.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Impossibile usare il microfono (%1). Consenti al gioco di usarlo nelle impostazioni audio del computer, poi riprova.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Tocca il colore giallo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Mescola tutto.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Colori: tutti</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Tocca il colore nero.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Mescola tutto.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Colori: nero-bianco</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Tocca il colore blu.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Mescola tutto.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Colori: blu-rosso-giallo</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Con aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Livello   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Livello   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Livello   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Livello   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Uscire da Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Tocca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Musica: Mi-Fa-Sol-La-Si-Do-Re</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Tocca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Musica: Fa-La-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Tocca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Musica: Fa-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Tocca la nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Musica: Fa-Sol-La-Si-Do</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Fine</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Bravo</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Impostazioni per i genitori</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Gioca a schermo intero   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Chiedi prima di uscire</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Voci e applausi</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Pianoforte</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Disattiva tutti i suoni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Come il desktop</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Registra la voce</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: impostazioni per i genitori</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Voce: registrata per questo gioco</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Voce: una voce sintetica</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Tocca il triangolo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Mescola tutto.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Forme: cerchio-triangolo</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Tocca il triangolo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Mescola tutto.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Forme: cerchio-triangolo</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: registra la voce</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Registra la voce: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>la voce del gioco è stata registrata per questo gioco</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>la voce del gioco è una voce sintetica</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>la tua voce</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>In ascolto... Di' «%1», poi premi Ferma.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Salvato. Ora il gioco dice «%1» con la tua voce.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>La registrazione precedente resta com'era.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Rimosso. Il gioco dice di nuovo «%1» con la sua voce.</translation>
    </message>
</context>
</TS>
