<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>brak ekranu, na którym można pokazać grę (DISPLAY nie jest ustawiony)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>nie można otworzyć ekranu %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>W programie wystąpił błąd.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Możesz grać dalej, uruchomić program ponownie albo go zamknąć.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Możesz grać dalej, uruchomić program ponownie albo go zamknąć. Raport zapisano w %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Pokaż &amp;szczegóły...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Wyślij &amp;e-mailem</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Uruchom ponownie</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ukryj &amp;szczegóły...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Kliknij niebieski kolor.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Kliknij czarny kolor.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Kliknij żółty kolor.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Kliknij zielony kolor.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Kliknij biały kolor.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Kliknij czerwony kolor.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Kliknij nutę E.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Kliknij nutę F.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Kliknij nutę G.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Kliknij nutę A.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Kliknij nutę H.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Kliknij nutę C.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Kliknij nutę D.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Kliknij trójkąt.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Kliknij kółko.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Kliknij kwadrat.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Nic nie było słychać. Sprawdź, czy mikrofon jest włączony i nie jest wyciszony, i mów blisko niego.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Nie znaleziono mikrofonu. Podłącz go albo pozwól grze z niego korzystać w ustawieniach dźwięku komputera i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Nie udało się użyć mikrofonu (%1). Pozwól grze z niego korzystać w ustawieniach dźwięku komputera i spróbuj jeszcze raz.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Kliknij żółty kolor.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Wymieszaj</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Wymieszaj wszystko.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Kolory: wszystkie</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Kliknij czarny kolor.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Wymieszaj</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Wymieszaj wszystko.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Kolory: czarny-biały</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Kliknij niebieski kolor.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Wymieszaj</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Wymieszaj wszystko.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Kolory: niebieski-czerwony-żółty</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Kształty</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Poziom   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Poziom   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Poziom   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Poziom   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Zakończyć Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Kliknij nutę F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Muzyka: E-F-G-A-H-C-D</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Kliknij nutę F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Muzyka: F-A-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Kliknij nutę F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Muzyka: F-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Kliknij nutę F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Muzyka: F-G-A-H-C</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
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
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Brawo</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Ustawienia dla rodziców</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Graj na pełnym ekranie   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Pytaj przed wyjściem</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Głosy i brawa</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Pianino</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Wycisz wszystkie dźwięki</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Nagraj głos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: ustawienia dla rodziców</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Głos: nagrany dla tej gry</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Głos: głos komputerowy</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Kliknij trójkąt.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Wymieszaj</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Wymieszaj wszystko.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Kształty: koło-trójkąt</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Kliknij trójkąt.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Wymieszaj</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Wymieszaj wszystko.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Kształty: koło-trójkąt</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: nagraj głos</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Nagraj głos: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>głos gry został nagrany specjalnie dla tej gry</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>głos gry to głos komputerowy</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Posłuchaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>twój głos</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Słucham... Powiedz „%1”, a potem naciśnij Zatrzymaj.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Zapisano. Teraz gra mówi „%1” twoim głosem.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Poprzednie nagranie zostaje bez zmian.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Usunięto. Gra znowu mówi „%1” własnym głosem.</translation>
    </message>
</context>
</TS>
