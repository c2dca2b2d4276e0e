<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>нет экрана, на котором можно показать игру (DISPLAY не задан)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>не удаётся открыть экран %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>В программе произошла ошибка.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program.</source>
        <translation>Можно продолжить, перезапустить или закрыть программу.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Можно продолжить, перезапустить или закрыть программу. Отчёт сохранён в %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Показать по&amp;дробности...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Отправить по по&amp;чте</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Пе&amp;резапустить</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Продолжить</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Скрыть по&amp;дробности...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Нажми на синий цвет.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Нажми на чёрный цвет.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Нажми на жёлтый цвет.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Нажми на зелёный цвет.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Нажми на белый цвет.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Нажми на красный цвет.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Нажми на ноту Ми.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Нажми на ноту Фа.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Нажми на ноту Соль.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Нажми на ноту Ля.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Нажми на ноту Си.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Нажми на ноту До.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Нажми на ноту Ре.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Нажми на треугольник.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Нажми на круг.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Нажми на квадрат.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Ничего не слышно. Проверьте, что микрофон включён и звук на нём не выключен, и говорите ближе к нему.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Микрофон не найден. Подключите его или разрешите игре пользоваться им в настройках звука компьютера, затем попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Не удалось воспользоваться микрофоном (%1). Разрешите игре пользоваться им в настройках звука компьютера, затем попробуйте ещё раз.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Нажми на жёлтый цвет.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Перемешать всё.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Цвета: все</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Нажми на чёрный цвет.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Перемешать всё.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Цвета: чёрный-белый</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Нажми на синий цвет.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Перемешать всё.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Цвета: синий-красный-жёлтый</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Фигуры</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Уровень   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Уровень   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Уровень   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Уровень   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Выйти из Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Нажми на ноту Фа.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Музыка: Ми-Фа-Соль-Ля-Си-До-Ре</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Нажми на ноту Фа.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Музыка: Фа-Ля-До</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Нажми на ноту Фа.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Музыка: Фа-До</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Нажми на ноту Фа.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Музыка: Фа-Соль-Ля-Си-До</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
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
        <translation>Готово</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Молодец</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Настройки для родителей</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Играть на весь экран   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Спрашивать перед выходом</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Голоса и аплодисменты</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Пианино</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Выключить все звуки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Record the voice</source>
        <translation>Записать голос</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: настройки для родителей</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Голос: записан для этой игры</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Голос: компьютерный</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Нажми на треугольник.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Перемешать всё.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Фигуры: круг-треугольник</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Нажми на треугольник.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Перемешать всё.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Фигуры: круг-треугольник</translation>
    </message>
</context>
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: запись голоса</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Запись голоса: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>голос игры записан специально для неё</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>голос игры — компьютерный</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>ваш голос</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Слушаю... Скажите «%1», затем нажмите «Стоп».</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Сохранено. Теперь игра говорит «%1» вашим голосом.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Прежняя запись сохранена.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Удалено. Игра снова говорит «%1» своим голосом.</translation>
    </message>
</context>
</TS>
