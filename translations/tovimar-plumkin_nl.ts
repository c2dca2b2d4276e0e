<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>geen scherm om het spel op te tonen (DISPLAY is niet ingesteld)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>kan het scherm %1 niet openen</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Er is een fout opgetreden in het programma.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>U kunt verder spelen, het programma opnieuw starten of het sluiten.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>U kunt verder spelen, het programma opnieuw starten of het sluiten. Er is een verslag bewaard in %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details tonen...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-mailen</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Opnieuw starten</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Verder</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Details verbergen...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Klik op de blauwe kleur.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Klik op de zwarte kleur.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Klik op de gele kleur.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Klik op de groene kleur.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Klik op de witte kleur.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Klik op de rode kleur.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Klik op de noot E.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Klik op de noot F.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Klik op de noot G.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Klik op de noot A.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Klik op de noot B.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Klik op de noot C.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Klik op de noot D.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Klik op de driehoek.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Klik op het rondje.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Klik op het vierkant.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Er was niets te horen. Controleer of de microfoon aan staat en niet gedempt is, en spreek er dan dicht bij.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>De map %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Er is geen microfoon gevonden. Sluit er een aan, of geef het spel toestemming om hem te gebruiken in de geluidsinstellingen van de computer, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>De microfoon kon niet worden gebruikt (%1). Geef het spel toestemming om hem te gebruiken in de geluidsinstellingen van de computer, en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Klik op de gele kleur.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Husselen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles door elkaar.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Kleuren: alle</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Klik op de zwarte kleur.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Husselen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles door elkaar.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Kleuren: zwart-wit</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Klik op de blauwe kleur.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Husselen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles door elkaar.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Kleuren: blauw-rood-geel</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Met hulp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Niveau   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Niveau   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Niveau   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Niveau   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Tovimar Plumkin stoppen?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klik op de noot F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Muziek: E-F-G-A-B-C-D</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klik op de noot F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Muziek: F-A-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klik op de noot F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Muziek: F-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klik op de noot F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Muziek: F-G-A-B-C</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Klaar</translation>
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
        <translation>Instellingen voor ouders</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Spelen op volledig scherm   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Vragen voor het stoppen</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Stemmen en applaus</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Alle geluid uit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Zoals het bureaublad</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Stem opnemen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: instellingen voor ouders</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Stem: opgenomen voor dit spel</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Stem: een computerstem</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klik op de driehoek.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Husselen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles door elkaar.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Vormen: rondje-driehoek</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klik op de driehoek.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Husselen</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Alles door elkaar.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Vormen: rondje-driehoek</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: stem opnemen</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Stem opnemen: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>de stem van het spel is voor dit spel opgenomen</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>de stem van het spel is een computerstem</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Luister</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>uw stem</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Ik luister... Zeg ‘%1’ en klik dan op Stoppen.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Bewaard. Het spel zegt nu ‘%1’ met uw stem.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>De vorige opname blijft bewaard.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Gewist. Het spel zegt ‘%1’ weer met zijn eigen stem.</translation>
    </message>
</context>
</TS>
