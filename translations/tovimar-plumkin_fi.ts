<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>ei näyttöä, jolla peli näkyisi (DISPLAY-muuttujaa ei ole asetettu)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>näyttöä %1 ei voi avata</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Ohjelmassa tapahtui virhe.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Voit jatkaa, käynnistää ohjelman uudelleen tai sulkea sen.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Voit jatkaa, käynnistää ohjelman uudelleen tai sulkea sen. Raportti tallennettiin kansioon %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Näytä &amp;tiedot...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopioi</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Lähetä sähkö&amp;postilla</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Käynnistä &amp;uudelleen</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Jatka</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Piilota &amp;tiedot...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Napauta sinistä väriä.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Napauta mustaa väriä.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Napauta keltaista väriä.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Napauta vihreää väriä.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Napauta valkoista väriä.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Napauta punaista väriä.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Napauta E-nuottia.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Napauta F-nuottia.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Napauta G-nuottia.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Napauta A-nuottia.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Napauta H-nuottia.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Napauta C-nuottia.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Napauta D-nuottia.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Napauta kolmiota.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Napauta ympyrää.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Napauta neliötä.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Mitään ei kuulunut. Tarkista, että mikrofoni on päällä eikä mykistetty, ja puhu lähellä sitä.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Kansiota %1 ei voi luoda.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Mikrofonia ei löytynyt. Kytke mikrofoni tai salli pelin käyttää sitä tietokoneen ääniasetuksissa ja yritä sitten uudelleen.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Mikrofonia ei voitu käyttää (%1). Salli pelin käyttää sitä tietokoneen ääniasetuksissa ja yritä sitten uudelleen.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Napauta keltaista väriä.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Värit: kaikki</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Napauta mustaa väriä.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Värit: musta-valkoinen</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Napauta sinistä väriä.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Värit: sininen-punainen-keltainen</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Värit</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Muodot</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musiikki</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Vihjeet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Taso   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Taso   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Taso   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Taso   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Lopetetaanko Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Napauta F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Musiikki: E-F-G-A-H-C-D</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Napauta F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Musiikki: F-A-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Napauta F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Musiikki: F-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Napauta F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Musiikki: F-G-A-H-C</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Kysymys</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
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
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Hienoa</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Asetukset vanhemmille</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Pelaa koko näytöllä   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Kysy ennen lopettamista</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Puhe ja aplodit</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Kaikki äänet pois</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Kuten työpöytä</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Äänitä oma ääni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: asetukset vanhemmille</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Ääni: äänitetty tätä peliä varten</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Ääni: tietokoneen ääni</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Napauta kolmiota.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Muodot: ympyrä-kolmio</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Napauta kolmiota.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Muodot: ympyrä-kolmio</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: äänitä oma ääni</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Äänitä oma ääni: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>pelin ääni on äänitetty tätä peliä varten</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>pelin ääni on tietokoneen ääni</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Äänitä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>sinun äänesi</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Kuunnellaan... Sano ”%1” ja paina sitten Pysäytä.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Tallennettu. Peli sanoo nyt ”%1” sinun äänelläsi.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Aiempi äänitys säilyy ennallaan.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Poistettu. Peli sanoo taas ”%1” omalla äänellään.</translation>
    </message>
</context>
</TS>
