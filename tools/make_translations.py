#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes translations/tovimar-plumkin_<language>.ts from the tables below.

The texts to translate are found where the program shows them: the captions and hints of the
window layouts (context: the window's class, as the layout reader asks for them) and the texts
the code marks for translation (found by Qt's lupdate). Every one of them needs a translation in
every language; --check writes nothing, and fails when a file differs from what this script
would write or when a text has no translation.

Run from anywhere; the output is committed, and the build turns it into .qm files.
"""
import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LAYOUTS = os.path.join(ROOT, "resources", "layouts")
OUT = os.path.join(ROOT, "translations")
CODE_FOLDERS = ["platform", "framework", "pictures", "controls", "transitions", "sound", "app"]
# Texts in this font draw pictures (the staff and its notes), not words.
SYMBOL_FONTS = {"musitone"}

# The note names a child learns, by letter.
LETTERS = "CDEFGAB"
NOTE_NAMES = {
    "letters": dict(zip(LETTERS, LETTERS)),
    "h": dict(zip(LETTERS, "CDEFGAH")),
    "solfege": dict(zip(LETTERS, ["Do", "Re", "Mi", "Fa", "Sol", "La", "Si"])),
    "russian": dict(zip(LETTERS, ["До", "Ре", "Ми", "Фа", "Соль", "Ля", "Си"])),
}

COLORS = ["black", "white", "blue", "red", "yellow", "green"]
SHAPES = ["circle", "triangle", "square"]

# Per language: the note names, how a note is asked for and how a Music window is titled, the
# colour and shape prompts, and every other text by its English source.
LANGUAGES = {
    "de": {
        "notes": "h",
        "note_prompt": "Klicke auf die Note {}.",
        "music": "Musik: {}",
        "level": "Stufe   - {} -",
        "colors": ["Klicke auf Schwarz.", "Klicke auf Weiß.", "Klicke auf Blau.", "Klicke auf Rot.",
                   "Klicke auf Gelb.", "Klicke auf Grün."],
        "shapes": ["Klicke auf den Kreis.", "Klicke auf das Dreieck.", "Klicke auf das Quadrat."],
        "texts": {
            "Colors": "Farben",
            "Shapes": "Formen",
            "Music": "Musik",
            "Show Hints": "Hilfe zeigen",
            "Exit": "Ende",
            "Bravo": "Bravo",
            "Finish": "Fertig",
            "Colors: Black-White": "Farben: Schwarz-Weiß",
            "Colors: Blue-Red-Yellow": "Farben: Blau-Rot-Gelb",
            "Colors: All": "Farben: Alle",
            "Shapes: Circle-Triangle": "Formen: Kreis-Dreieck",
            "Play": "Hören",
            "Back": "Zurück",
            "Randomize": "Mischen",
            "Randomize color positions.": "Alles neu verteilen.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: Einstellungen für Eltern",
            "Settings for Parents": "Einstellungen für Eltern",
            "Play in full screen   (F11)": "Im Vollbild spielen   (F11)",
            "Ask before quitting": "Vor dem Beenden fragen",
            "Voices and applause": "Stimmen und Applaus",
            "Piano": "Klavier",
            "Mute all sounds": "Alle Töne aus",
            "Language": "Sprache",
            "As the desktop": "Wie der Desktop",
            "Close": "Schließen",
            "Question": "Frage",
            "Yes": "Ja",
            "No": "Nein",
            "Quit Tovimar Plumkin?": "Tovimar Plumkin beenden?",
            "An error occurred in the application.": "Im Programm ist ein Fehler aufgetreten.",
            "You can continue or close the program.": "Sie können weiterspielen oder das Programm schließen.",
            "You can continue or close the program. A report was saved to %1.":
                "Sie können weiterspielen oder das Programm schließen. Ein Bericht wurde in %1 gespeichert.",
            "&Continue": "&Weiter",
            "C&lose": "&Schließen",
            "no display to show the game on (DISPLAY is not set)":
                "keine Anzeige, auf der das Spiel erscheinen kann (DISPLAY ist nicht gesetzt)",
            "cannot open the display %1": "die Anzeige %1 lässt sich nicht öffnen",
        },
    },
    "fr": {
        "notes": "solfege",
        "note_prompt": "Clique sur la note {}.",
        "music": "Musique : {}",
        "level": "Niveau   - {} -",
        "colors": ["Clique sur le noir.", "Clique sur le blanc.", "Clique sur le bleu.",
                   "Clique sur le rouge.", "Clique sur le jaune.", "Clique sur le vert."],
        "shapes": ["Clique sur le rond.", "Clique sur le triangle.", "Clique sur le carré."],
        "texts": {
            "Colors": "Couleurs",
            "Shapes": "Formes",
            "Music": "Musique",
            "Show Hints": "Avec l'aide",
            "Exit": "Quitter",
            "Bravo": "Bravo",
            "Finish": "Terminé",
            "Colors: Black-White": "Couleurs : noir-blanc",
            "Colors: Blue-Red-Yellow": "Couleurs : bleu-rouge-jaune",
            "Colors: All": "Couleurs : toutes",
            "Shapes: Circle-Triangle": "Formes : rond-triangle",
            "Play": "Écouter",
            "Back": "Retour",
            "Randomize": "Mélanger",
            "Randomize color positions.": "Tout mélanger.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin : réglages pour les parents",
            "Settings for Parents": "Réglages pour les parents",
            "Play in full screen   (F11)": "Jouer en plein écran   (F11)",
            "Ask before quitting": "Demander avant de quitter",
            "Voices and applause": "Voix et applaudissements",
            "Piano": "Piano",
            "Mute all sounds": "Couper tous les sons",
            "Language": "Langue",
            "As the desktop": "Comme le bureau",
            "Close": "Fermer",
            "Question": "Question",
            "Yes": "Oui",
            "No": "Non",
            "Quit Tovimar Plumkin?": "Quitter Tovimar Plumkin ?",
            "An error occurred in the application.": "Une erreur s'est produite dans le programme.",
            "You can continue or close the program.": "Vous pouvez continuer ou fermer le programme.",
            "You can continue or close the program. A report was saved to %1.":
                "Vous pouvez continuer ou fermer le programme. Un rapport a été enregistré dans %1.",
            "&Continue": "&Continuer",
            "C&lose": "&Fermer",
            "no display to show the game on (DISPLAY is not set)":
                "aucun écran où afficher le jeu (DISPLAY n'est pas défini)",
            "cannot open the display %1": "impossible d'ouvrir l'écran %1",
        },
    },
    "es": {
        "notes": "solfege",
        "note_prompt": "Pulsa la nota {}.",
        "music": "Música: {}",
        "level": "Nivel   - {} -",
        "colors": ["Pulsa el color negro.", "Pulsa el color blanco.", "Pulsa el color azul.",
                   "Pulsa el color rojo.", "Pulsa el color amarillo.", "Pulsa el color verde."],
        "shapes": ["Pulsa el círculo.", "Pulsa el triángulo.", "Pulsa el cuadrado."],
        "texts": {
            "Colors": "Colores",
            "Shapes": "Formas",
            "Music": "Música",
            "Show Hints": "Ver pistas",
            "Exit": "Salir",
            "Bravo": "¡Bravo!",
            "Finish": "Terminar",
            "Colors: Black-White": "Colores: negro-blanco",
            "Colors: Blue-Red-Yellow": "Colores: azul-rojo-amarillo",
            "Colors: All": "Colores: todos",
            "Shapes: Circle-Triangle": "Formas: círculo-triángulo",
            "Play": "Escuchar",
            "Back": "Volver",
            "Randomize": "Mezclar",
            "Randomize color positions.": "Cambiar todo de sitio.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: ajustes para padres",
            "Settings for Parents": "Ajustes para padres",
            "Play in full screen   (F11)": "Jugar en pantalla completa   (F11)",
            "Ask before quitting": "Preguntar antes de salir",
            "Voices and applause": "Voces y aplausos",
            "Piano": "Piano",
            "Mute all sounds": "Silenciar todos los sonidos",
            "Language": "Idioma",
            "As the desktop": "Como el escritorio",
            "Close": "Cerrar",
            "Question": "Pregunta",
            "Yes": "Sí",
            "No": "No",
            "Quit Tovimar Plumkin?": "¿Salir de Tovimar Plumkin?",
            "An error occurred in the application.": "Se ha producido un error en el programa.",
            "You can continue or close the program.": "Puede continuar o cerrar el programa.",
            "You can continue or close the program. A report was saved to %1.":
                "Puede continuar o cerrar el programa. Se ha guardado un informe en %1.",
            "&Continue": "&Continuar",
            "C&lose": "C&errar",
            "no display to show the game on (DISPLAY is not set)":
                "no hay ninguna pantalla donde mostrar el juego (DISPLAY no está definido)",
            "cannot open the display %1": "no se puede abrir la pantalla %1",
        },
    },
    "it": {
        "notes": "solfege",
        "note_prompt": "Clicca sulla nota {}.",
        "music": "Musica: {}",
        "level": "Livello   - {} -",
        "colors": ["Clicca sul nero.", "Clicca sul bianco.", "Clicca sul blu.", "Clicca sul rosso.",
                   "Clicca sul giallo.", "Clicca sul verde."],
        "shapes": ["Clicca sul cerchio.", "Clicca sul triangolo.", "Clicca sul quadrato."],
        "texts": {
            "Colors": "Colori",
            "Shapes": "Forme",
            "Music": "Musica",
            "Show Hints": "Con aiuto",
            "Exit": "Esci",
            "Bravo": "Bravo",
            "Finish": "Fine",
            "Colors: Black-White": "Colori: nero-bianco",
            "Colors: Blue-Red-Yellow": "Colori: blu-rosso-giallo",
            "Colors: All": "Colori: tutti",
            "Shapes: Circle-Triangle": "Forme: cerchio-triangolo",
            "Play": "Ascolta",
            "Back": "Indietro",
            "Randomize": "Mescola",
            "Randomize color positions.": "Mescola tutto.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: impostazioni per i genitori",
            "Settings for Parents": "Impostazioni per i genitori",
            "Play in full screen   (F11)": "Gioca a schermo intero   (F11)",
            "Ask before quitting": "Chiedi prima di uscire",
            "Voices and applause": "Voci e applausi",
            "Piano": "Pianoforte",
            "Mute all sounds": "Disattiva tutti i suoni",
            "Language": "Lingua",
            "As the desktop": "Come il desktop",
            "Close": "Chiudi",
            "Question": "Domanda",
            "Yes": "Sì",
            "No": "No",
            "Quit Tovimar Plumkin?": "Uscire da Tovimar Plumkin?",
            "An error occurred in the application.": "Si è verificato un errore nel programma.",
            "You can continue or close the program.": "Puoi continuare o chiudere il programma.",
            "You can continue or close the program. A report was saved to %1.":
                "Puoi continuare o chiudere il programma. Un rapporto è stato salvato in %1.",
            "&Continue": "&Continua",
            "C&lose": "C&hiudi",
            "no display to show the game on (DISPLAY is not set)":
                "nessuno schermo su cui mostrare il gioco (DISPLAY non è impostato)",
            "cannot open the display %1": "impossibile aprire lo schermo %1",
        },
    },
    "pt": {
        "notes": "solfege",
        "note_prompt": "Clique na nota {}.",
        "music": "Música: {}",
        "level": "Nível   - {} -",
        "colors": ["Clique no preto.", "Clique no branco.", "Clique no azul.", "Clique no vermelho.",
                   "Clique no amarelo.", "Clique no verde."],
        "shapes": ["Clique no círculo.", "Clique no triângulo.", "Clique no quadrado."],
        "texts": {
            "Colors": "Cores",
            "Shapes": "Formas",
            "Music": "Música",
            "Show Hints": "Com ajuda",
            "Exit": "Sair",
            "Bravo": "Bravo",
            "Finish": "Terminar",
            "Colors: Black-White": "Cores: preto-branco",
            "Colors: Blue-Red-Yellow": "Cores: azul-vermelho-amarelo",
            "Colors: All": "Cores: todas",
            "Shapes: Circle-Triangle": "Formas: círculo-triângulo",
            "Play": "Ouvir",
            "Back": "Voltar",
            "Randomize": "Misturar",
            "Randomize color positions.": "Misturar tudo.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: opções para os pais",
            "Settings for Parents": "Opções para os pais",
            "Play in full screen   (F11)": "Jogar em tela cheia   (F11)",
            "Ask before quitting": "Perguntar antes de sair",
            "Voices and applause": "Vozes e aplausos",
            "Piano": "Piano",
            "Mute all sounds": "Silenciar todos os sons",
            "Language": "Idioma",
            "As the desktop": "Como o sistema",
            "Close": "Fechar",
            "Question": "Pergunta",
            "Yes": "Sim",
            "No": "Não",
            "Quit Tovimar Plumkin?": "Sair do Tovimar Plumkin?",
            "An error occurred in the application.": "Ocorreu um erro no programa.",
            "You can continue or close the program.": "Você pode continuar ou fechar o programa.",
            "You can continue or close the program. A report was saved to %1.":
                "Você pode continuar ou fechar o programa. Um relatório foi salvo em %1.",
            "&Continue": "&Continuar",
            "C&lose": "&Fechar",
            "no display to show the game on (DISPLAY is not set)":
                "não há tela para mostrar o jogo (DISPLAY não está definido)",
            "cannot open the display %1": "não é possível abrir a tela %1",
        },
    },
    "nl": {
        "notes": "letters",
        "note_prompt": "Klik op de noot {}.",
        "music": "Muziek: {}",
        "level": "Niveau   - {} -",
        "colors": ["Klik op zwart.", "Klik op wit.", "Klik op blauw.", "Klik op rood.", "Klik op geel.",
                   "Klik op groen."],
        "shapes": ["Klik op het rondje.", "Klik op de driehoek.", "Klik op het vierkant."],
        "texts": {
            "Colors": "Kleuren",
            "Shapes": "Vormen",
            "Music": "Muziek",
            "Show Hints": "Met hulp",
            "Exit": "Stoppen",
            "Bravo": "Bravo",
            "Finish": "Klaar",
            "Colors: Black-White": "Kleuren: zwart-wit",
            "Colors: Blue-Red-Yellow": "Kleuren: blauw-rood-geel",
            "Colors: All": "Kleuren: alle",
            "Shapes: Circle-Triangle": "Vormen: rondje-driehoek",
            "Play": "Luister",
            "Back": "Terug",
            "Randomize": "Husselen",
            "Randomize color positions.": "Alles door elkaar.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: instellingen voor ouders",
            "Settings for Parents": "Instellingen voor ouders",
            "Play in full screen   (F11)": "Spelen op volledig scherm   (F11)",
            "Ask before quitting": "Vragen voor het stoppen",
            "Voices and applause": "Stemmen en applaus",
            "Piano": "Piano",
            "Mute all sounds": "Alle geluid uit",
            "Language": "Taal",
            "As the desktop": "Zoals het bureaublad",
            "Close": "Sluiten",
            "Question": "Vraag",
            "Yes": "Ja",
            "No": "Nee",
            "Quit Tovimar Plumkin?": "Tovimar Plumkin stoppen?",
            "An error occurred in the application.": "Er is een fout opgetreden in het programma.",
            "You can continue or close the program.": "U kunt verder spelen of het programma sluiten.",
            "You can continue or close the program. A report was saved to %1.":
                "U kunt verder spelen of het programma sluiten. Er is een verslag bewaard in %1.",
            "&Continue": "&Verder",
            "C&lose": "&Sluiten",
            "no display to show the game on (DISPLAY is not set)":
                "geen scherm om het spel op te tonen (DISPLAY is niet ingesteld)",
            "cannot open the display %1": "kan het scherm %1 niet openen",
        },
    },
    "pl": {
        "notes": "h",
        "note_prompt": "Kliknij nutę {}.",
        "music": "Muzyka: {}",
        "level": "Poziom   - {} -",
        "colors": ["Kliknij czarny kolor.", "Kliknij biały kolor.", "Kliknij niebieski kolor.",
                   "Kliknij czerwony kolor.", "Kliknij żółty kolor.", "Kliknij zielony kolor."],
        "shapes": ["Kliknij koło.", "Kliknij trójkąt.", "Kliknij kwadrat."],
        "texts": {
            "Colors": "Kolory",
            "Shapes": "Kształty",
            "Music": "Muzyka",
            "Show Hints": "Podpowiedzi",
            "Exit": "Wyjście",
            "Bravo": "Brawo",
            "Finish": "Koniec",
            "Colors: Black-White": "Kolory: czarny-biały",
            "Colors: Blue-Red-Yellow": "Kolory: niebieski-czerwony-żółty",
            "Colors: All": "Kolory: wszystkie",
            "Shapes: Circle-Triangle": "Kształty: koło-trójkąt",
            "Play": "Posłuchaj",
            "Back": "Wróć",
            "Randomize": "Wymieszaj",
            "Randomize color positions.": "Wymieszaj wszystko.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: ustawienia dla rodziców",
            "Settings for Parents": "Ustawienia dla rodziców",
            "Play in full screen   (F11)": "Graj na pełnym ekranie   (F11)",
            "Ask before quitting": "Pytaj przed wyjściem",
            "Voices and applause": "Głosy i brawa",
            "Piano": "Pianino",
            "Mute all sounds": "Wycisz wszystkie dźwięki",
            "Language": "Język",
            "As the desktop": "Jak w systemie",
            "Close": "Zamknij",
            "Question": "Pytanie",
            "Yes": "Tak",
            "No": "Nie",
            "Quit Tovimar Plumkin?": "Zakończyć Tovimar Plumkin?",
            "An error occurred in the application.": "W programie wystąpił błąd.",
            "You can continue or close the program.": "Możesz grać dalej albo zamknąć program.",
            "You can continue or close the program. A report was saved to %1.":
                "Możesz grać dalej albo zamknąć program. Raport zapisano w %1.",
            "&Continue": "&Dalej",
            "C&lose": "&Zamknij",
            "no display to show the game on (DISPLAY is not set)":
                "brak ekranu, na którym można pokazać grę (DISPLAY nie jest ustawiony)",
            "cannot open the display %1": "nie można otworzyć ekranu %1",
        },
    },
    "ca": {
        "notes": "solfege",
        "note_prompt": "Fes clic a la nota {}.",
        "music": "Música: {}",
        "level": "Nivell   - {} -",
        "colors": ["Fes clic al negre.", "Fes clic al blanc.", "Fes clic al blau.", "Fes clic al vermell.",
                   "Fes clic al groc.", "Fes clic al verd."],
        "shapes": ["Fes clic al cercle.", "Fes clic al triangle.", "Fes clic al quadrat."],
        "texts": {
            "Colors": "Colors",
            "Shapes": "Formes",
            "Music": "Música",
            "Show Hints": "Amb pistes",
            "Exit": "Surt",
            "Bravo": "Molt bé",
            "Finish": "Acaba",
            "Colors: Black-White": "Colors: negre-blanc",
            "Colors: Blue-Red-Yellow": "Colors: blau-vermell-groc",
            "Colors: All": "Colors: tots",
            "Shapes: Circle-Triangle": "Formes: cercle-triangle",
            "Play": "Escolta",
            "Back": "Enrere",
            "Randomize": "Barreja",
            "Randomize color positions.": "Barreja-ho tot.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: configuració per als pares",
            "Settings for Parents": "Configuració per als pares",
            "Play in full screen   (F11)": "Juga a pantalla completa   (F11)",
            "Ask before quitting": "Pregunta abans de sortir",
            "Voices and applause": "Veus i aplaudiments",
            "Piano": "Piano",
            "Mute all sounds": "Silencia tots els sons",
            "Language": "Llengua",
            "As the desktop": "Com l'escriptori",
            "Close": "Tanca",
            "Question": "Pregunta",
            "Yes": "Sí",
            "No": "No",
            "Quit Tovimar Plumkin?": "Vols sortir de Tovimar Plumkin?",
            "An error occurred in the application.": "S'ha produït un error al programa.",
            "You can continue or close the program.": "Podeu continuar o tancar el programa.",
            "You can continue or close the program. A report was saved to %1.":
                "Podeu continuar o tancar el programa. S'ha desat un informe a %1.",
            "&Continue": "&Continua",
            "C&lose": "&Tanca",
            "no display to show the game on (DISPLAY is not set)":
                "no hi ha cap pantalla on mostrar el joc (DISPLAY no està definit)",
            "cannot open the display %1": "no es pot obrir la pantalla %1",
        },
    },
    "cs": {
        "notes": "h",
        "note_prompt": "Klikni na notu {}.",
        "music": "Hudba: {}",
        "level": "Úroveň   - {} -",
        "colors": ["Klikni na černou.", "Klikni na bílou.", "Klikni na modrou.", "Klikni na červenou.",
                   "Klikni na žlutou.", "Klikni na zelenou."],
        "shapes": ["Klikni na kolečko.", "Klikni na trojúhelník.", "Klikni na čtverec."],
        "texts": {
            "Colors": "Barvy",
            "Shapes": "Tvary",
            "Music": "Hudba",
            "Show Hints": "Nápověda",
            "Exit": "Konec",
            "Bravo": "Bravo",
            "Finish": "Hotovo",
            "Colors: Black-White": "Barvy: černá-bílá",
            "Colors: Blue-Red-Yellow": "Barvy: modrá-červená-žlutá",
            "Colors: All": "Barvy: všechny",
            "Shapes: Circle-Triangle": "Tvary: kolečko-trojúhelník",
            "Play": "Poslech",
            "Back": "Zpět",
            "Randomize": "Zamíchat",
            "Randomize color positions.": "Všechno zamíchat.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: nastavení pro rodiče",
            "Settings for Parents": "Nastavení pro rodiče",
            "Play in full screen   (F11)": "Hrát na celou obrazovku   (F11)",
            "Ask before quitting": "Před ukončením se zeptat",
            "Voices and applause": "Hlasy a potlesk",
            "Piano": "Klavír",
            "Mute all sounds": "Vypnout všechny zvuky",
            "Language": "Jazyk",
            "As the desktop": "Podle systému",
            "Close": "Zavřít",
            "Question": "Otázka",
            "Yes": "Ano",
            "No": "Ne",
            "Quit Tovimar Plumkin?": "Ukončit Tovimar Plumkin?",
            "An error occurred in the application.": "V programu došlo k chybě.",
            "You can continue or close the program.": "Můžete pokračovat, nebo program zavřít.",
            "You can continue or close the program. A report was saved to %1.":
                "Můžete pokračovat, nebo program zavřít. Zpráva byla uložena do %1.",
            "&Continue": "&Pokračovat",
            "C&lose": "&Zavřít",
            "no display to show the game on (DISPLAY is not set)":
                "není obrazovka, na které by se hra ukázala (DISPLAY není nastaveno)",
            "cannot open the display %1": "obrazovku %1 nelze otevřít",
        },
    },
    "fi": {
        "notes": "h",
        "note_prompt": "Paina {}-nuottia.",
        "music": "Musiikki: {}",
        "level": "Taso   - {} -",
        "colors": ["Paina mustaa.", "Paina valkoista.", "Paina sinistä.", "Paina punaista.",
                   "Paina keltaista.", "Paina vihreää."],
        "shapes": ["Paina ympyrää.", "Paina kolmiota.", "Paina neliötä."],
        "texts": {
            "Colors": "Värit",
            "Shapes": "Muodot",
            "Music": "Musiikki",
            "Show Hints": "Vihjeet",
            "Exit": "Lopeta",
            "Bravo": "Hienoa",
            "Finish": "Valmis",
            "Colors: Black-White": "Värit: musta-valkoinen",
            "Colors: Blue-Red-Yellow": "Värit: sininen-punainen-keltainen",
            "Colors: All": "Värit: kaikki",
            "Shapes: Circle-Triangle": "Muodot: ympyrä-kolmio",
            "Play": "Kuuntele",
            "Back": "Takaisin",
            "Randomize": "Sekoita",
            "Randomize color positions.": "Sekoita paikat.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: asetukset vanhemmille",
            "Settings for Parents": "Asetukset vanhemmille",
            "Play in full screen   (F11)": "Pelaa koko näytöllä   (F11)",
            "Ask before quitting": "Kysy ennen lopettamista",
            "Voices and applause": "Puhe ja aplodit",
            "Piano": "Piano",
            "Mute all sounds": "Kaikki äänet pois",
            "Language": "Kieli",
            "As the desktop": "Kuten työpöytä",
            "Close": "Sulje",
            "Question": "Kysymys",
            "Yes": "Kyllä",
            "No": "Ei",
            "Quit Tovimar Plumkin?": "Lopetetaanko Tovimar Plumkin?",
            "An error occurred in the application.": "Ohjelmassa tapahtui virhe.",
            "You can continue or close the program.": "Voit jatkaa tai sulkea ohjelman.",
            "You can continue or close the program. A report was saved to %1.":
                "Voit jatkaa tai sulkea ohjelman. Raportti tallennettiin kansioon %1.",
            "&Continue": "&Jatka",
            "C&lose": "&Sulje",
            "no display to show the game on (DISPLAY is not set)":
                "ei näyttöä, jolla peli näkyisi (DISPLAY-muuttujaa ei ole asetettu)",
            "cannot open the display %1": "näyttöä %1 ei voi avata",
        },
    },
    "ru": {
        "notes": "russian",
        "note_prompt": "Нажми на ноту {}.",
        "music": "Музыка: {}",
        "level": "Уровень   - {} -",
        "colors": ["Нажми на чёрный цвет.", "Нажми на белый цвет.", "Нажми на синий цвет.",
                   "Нажми на красный цвет.", "Нажми на жёлтый цвет.", "Нажми на зелёный цвет."],
        "shapes": ["Нажми на круг.", "Нажми на треугольник.", "Нажми на квадрат."],
        "texts": {
            "Colors": "Цвета",
            "Shapes": "Фигуры",
            "Music": "Музыка",
            "Show Hints": "Подсказки",
            "Exit": "Выход",
            "Bravo": "Молодец",
            "Finish": "Готово",
            "Colors: Black-White": "Цвета: чёрный-белый",
            "Colors: Blue-Red-Yellow": "Цвета: синий-красный-жёлтый",
            "Colors: All": "Цвета: все",
            "Shapes: Circle-Triangle": "Фигуры: круг-треугольник",
            "Play": "Слушать",
            "Back": "Назад",
            "Randomize": "Перемешать",
            "Randomize color positions.": "Перемешать всё.",
            "Tovimar Plumkin: Settings for Parents": "Tovimar Plumkin: настройки для родителей",
            "Settings for Parents": "Настройки для родителей",
            "Play in full screen   (F11)": "Играть на весь экран   (F11)",
            "Ask before quitting": "Спрашивать перед выходом",
            "Voices and applause": "Голоса и аплодисменты",
            "Piano": "Пианино",
            "Mute all sounds": "Выключить все звуки",
            "Language": "Язык",
            "As the desktop": "Как в системе",
            "Close": "Закрыть",
            "Question": "Вопрос",
            "Yes": "Да",
            "No": "Нет",
            "Quit Tovimar Plumkin?": "Выйти из Tovimar Plumkin?",
            "An error occurred in the application.": "В программе произошла ошибка.",
            "You can continue or close the program.": "Можно продолжить или закрыть программу.",
            "You can continue or close the program. A report was saved to %1.":
                "Можно продолжить или закрыть программу. Отчёт сохранён в %1.",
            "&Continue": "&Продолжить",
            "C&lose": "&Закрыть",
            "no display to show the game on (DISPLAY is not set)":
                "нет экрана, на котором можно показать игру (DISPLAY не задан)",
            "cannot open the display %1": "не удаётся открыть экран %1",
        },
    },
}

# Names, the same in every language.
UNTRANSLATED = {"Tovimar Plumkin"}


def translations_of(language):
    """Every English source text with its translation in `language`."""
    table = LANGUAGES[language]
    names = NOTE_NAMES[table["notes"]]
    texts = dict(table["texts"])
    for name in UNTRANSLATED:
        texts[name] = name
    for letter in LETTERS:
        texts[f"Click the {letter} note."] = table["note_prompt"].format(names[letter])
    for notes in ["FC", "FAC", "FGABC", "EFGABCD"]:
        texts["Music: " + "-".join(notes)] = table["music"].format("-".join(names[n] for n in notes))
    for level in range(1, 5):
        texts[f"Level   - {level} -"] = table["level"].format(level)
    # The prompts in the layouts, which the windows replace, write "color" in lower case.
    for color, prompt in zip(COLORS, table["colors"]):
        texts[f"Click the {color} Color."] = prompt
        texts[f"Click the {color} color."] = prompt
    for shape, prompt in zip(SHAPES, table["shapes"]):
        texts[f"Click the {shape}."] = prompt
    return texts


# -- the texts the program shows

def layout_string(value):
    """A quoted layout string: 'it''s' pieces and #nnn characters, possibly joined."""
    out, i = [], 0
    while i < len(value):
        if value[i] == "'":
            j = i + 1
            while True:
                k = value.index("'", j)
                if k + 1 < len(value) and value[k + 1] == "'":
                    out.append(value[j:k + 1])
                    j = k + 2
                    continue
                out.append(value[j:k])
                i = k + 1
                break
        elif value[i] == "#":
            m = re.match(r"#(\d+)", value[i:])
            out.append(chr(int(m.group(1))))
            i += len(m.group(0))
        else:
            i += 1
    return "".join(out)


def layout_texts():
    """(context, text) of every caption and hint of the layouts, in the order they appear."""
    found = []
    for path in sorted(glob.glob(os.path.join(LAYOUTS, "*.layout"))):
        stack, context = [], None
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.strip()
                m = re.match(r"(?:object|inherited|inline) (\w+): (\w+)$", line)
                if m:
                    context = context or m.group(2)
                    stack.append({"name": m.group(1), "texts": [], "font": ""})
                    continue
                if line == "end" and stack:
                    obj = stack.pop()
                    if obj["font"].lower() not in SYMBOL_FONTS:
                        found += [(context, text) for text in obj["texts"]
                                  if text and text != obj["name"]]
                    continue
                m = re.match(r"(Caption|Hint|Font\.Name) = ('.*|#.*)$", line)
                if m and stack:
                    value = layout_string(m.group(2))
                    if m.group(1) == "Font.Name":
                        stack[-1]["font"] = value
                    else:
                        stack[-1]["texts"].append(value)
    return found


def find_lupdate(given):
    for candidate in [given, shutil.which("lupdate"), "/usr/lib/qt6/bin/lupdate"]:
        if candidate and os.path.exists(candidate):
            return candidate
    sys.exit("lupdate not found: install qt6-l10n-tools")


def code_texts(lupdate):
    """(context, text) of every text the code marks for translation, as lupdate finds them."""
    with tempfile.TemporaryDirectory() as folder:
        ts = os.path.join(folder, "code.ts")
        command = [lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", "-I", ROOT,
                   *[os.path.join(ROOT, d) for d in CODE_FOLDERS], "-ts", ts]
        result = subprocess.run(command, capture_output=True, text=True)
        if not os.path.exists(ts):
            sys.exit(f"lupdate failed:\n{result.stderr}")
        found = []
        for context in ET.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            found += [(name, message.findtext("source")) for message in context.iter("message")]
    return found


def all_texts(lupdate):
    """Contexts in order, each with its texts in order, without repeats."""
    contexts = {}
    for context, text in layout_texts() + code_texts(lupdate):
        texts = contexts.setdefault(context, [])
        if text not in texts:
            texts.append(text)
    return contexts


def ts_file(language, contexts, missing):
    texts = translations_of(language)
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{language}">']
    for context in sorted(contexts):
        lines += ["<context>", f"    <name>{escape(context)}</name>"]
        for source in contexts[context]:
            lines += ["    <message>", f"        <source>{escape(source)}</source>"]
            if source in texts:
                lines.append(f"        <translation>{escape(texts[source])}</translation>")
            else:
                missing.append(f"{language}: {context}: {source!r}")
                lines.append('        <translation type="unfinished"></translation>')
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="change nothing; fail on any difference")
    parser.add_argument("--lupdate", help="Qt's lupdate, when not on the path")
    args = parser.parse_args()
    contexts = all_texts(find_lupdate(args.lupdate))
    missing, stale = [], []
    for language in LANGUAGES:
        text = ts_file(language, contexts, missing)
        path = os.path.join(OUT, f"tovimar-plumkin_{language}.ts")
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if old == text:
            continue
        if args.check:
            stale.append(os.path.relpath(path, ROOT))
        else:
            os.makedirs(OUT, exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    for line in missing:
        print("no translation:", line, file=sys.stderr)
    for path in stale:
        print(f"{path} is not up to date: run tools/make_translations.py", file=sys.stderr)
    return 1 if missing or stale else 0


if __name__ == "__main__":
    sys.exit(main())
