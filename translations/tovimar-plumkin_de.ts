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
        <source>You can continue or close the program.</source>
        <translation>Sie können weiterspielen oder das Programm schließen.</translation>
    </message>
    <message>
        <source>You can continue or close the program. A report was saved to %1.</source>
        <translation>Sie können weiterspielen oder das Programm schließen. Ein Bericht wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Klicke auf Blau.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Klicke auf Schwarz.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Klicke auf Gelb.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Klicke auf Grün.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Klicke auf Weiß.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Klicke auf Rot.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Klicke auf die Note E.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Klicke auf die Note F.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Klicke auf die Note G.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Klicke auf die Note A.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Klicke auf die Note H.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Klicke auf die Note C.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Klicke auf die Note D.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Klicke auf das Dreieck.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Klicke auf den Kreis.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Klicke auf das Quadrat.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Klicke auf Gelb.</translation>
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
        <translation>Klicke auf Schwarz.</translation>
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
        <translation>Klicke auf Blau.</translation>
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
        <translation>Klicke auf die Note F.</translation>
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
        <translation>Klicke auf die Note F.</translation>
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
        <translation>Klicke auf die Note F.</translation>
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
        <translation>Klicke auf die Note F.</translation>
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
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: Einstellungen für Eltern</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klicke auf das Dreieck.</translation>
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
        <translation>Klicke auf das Dreieck.</translation>
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
</TS>
