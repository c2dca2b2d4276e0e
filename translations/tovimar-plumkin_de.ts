<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>keine Anzeige, auf der das Spiel erscheinen kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>die Anzeige %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Im Programm ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Sie können weiterspielen, das Programm neu starten oder schließen.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Sie können weiterspielen, das Programm neu starten oder schließen. Ein Bericht wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details anzeigen...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Per &amp;E-Mail senden</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Details ausblenden...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Klick auf die blaue Farbe.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Klick auf die schwarze Farbe.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Klick auf die gelbe Farbe.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Klick auf die grüne Farbe.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Klick auf die weiße Farbe.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Klick auf die rote Farbe.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Klick auf die Note E.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Klick auf die Note F.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Klick auf die Note G.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Klick auf die Note A.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Klick auf die Note H.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Klick auf die Note C.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Klick auf die Note D.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Klick auf das Dreieck.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Klick auf den Kreis.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Klick auf das Quadrat.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Es war nichts zu hören. Prüfen Sie, ob das Mikrofon eingeschaltet und nicht stummgeschaltet ist, und sprechen Sie dann nah am Mikrofon.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Es wurde kein Mikrofon gefunden. Schließen Sie eines an oder erlauben Sie dem Spiel in den Toneinstellungen des Computers, es zu benutzen, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Das Mikrofon ließ sich nicht benutzen (%1). Erlauben Sie dem Spiel in den Toneinstellungen des Computers, es zu benutzen, und versuchen Sie es dann noch einmal.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Klick auf die gelbe Farbe.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles neu verteilen.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Farben: Alle</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Klick auf die schwarze Farbe.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles neu verteilen.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Farben: Schwarz-Weiß</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Klick auf die blaue Farbe.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles neu verteilen.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Farben: Blau-Rot-Gelb</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Hilfe zeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Stufe   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Stufe   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Stufe   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Stufe   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Tovimar Plumkin beenden?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klick auf die Note F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Musik: E-F-G-A-H-C-D</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klick auf die Note F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Musik: F-A-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klick auf die Note F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Musik: F-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klick auf die Note F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Musik: F-G-A-H-C</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Fertig</translation>
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
        <translation>Einstellungen für Eltern</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Im Vollbild spielen   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Vor dem Beenden fragen</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Stimmen und Applaus</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Alle Töne aus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Stimme aufnehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: Einstellungen für Eltern</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Stimme: für dieses Spiel aufgenommen</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Stimme: eine Computerstimme</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klick auf das Dreieck.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles neu verteilen.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formen: Kreis-Dreieck</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klick auf das Dreieck.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles neu verteilen.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formen: Kreis-Dreieck</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: Stimme aufnehmen</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Stimme aufnehmen: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>die Stimme des Spiels wurde für dieses Spiel aufgenommen</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>die Stimme des Spiels ist eine Computerstimme</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>Ihre Stimme</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Ich höre zu ... Sagen Sie „%1“ und drücken Sie dann auf Stopp.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Gespeichert. Das Spiel sagt „%1“ jetzt mit Ihrer Stimme.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Die bisherige Aufnahme bleibt erhalten.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Entfernt. „%1“ sagt jetzt wieder die Stimme des Spiels.</translation>
    </message>
</context>
</TS>
