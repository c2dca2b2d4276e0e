#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes translations/tovimar-plumkin_<language>.ts from the tables below.

The texts to translate are found where the program shows them: the captions and hints of the
window layouts (context: the window's class, as the layout reader asks for them) and the texts
the code marks for translation (found by Qt's lupdate). Every one of them needs a translation in
every language; --check writes nothing, and fails when a file differs from what this script
would write, when a text has no translation, or when a level's prompt says something other
than its recording (sounds/prompts.tsv).

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

# What each recording says, by name and language.
PROMPTS = os.path.join(ROOT, "sounds", "prompts.tsv")

# The note names a child learns, by letter, written as the voice says them.
LETTERS = "CDEFGAB"
NOTE_NAMES = {
    "letters": dict(zip(LETTERS, LETTERS)),
    "h": dict(zip(LETTERS, "CDEFGAH")),
    "solfege": dict(zip(LETTERS, ["Do", "Re", "Mi", "Fa", "Sol", "La", "Si"])),
    "solfege_fr": dict(zip(LETTERS, ["Do", "Ré", "Mi", "Fa", "Sol", "La", "Si"])),
    "solfege_pt": dict(zip(LETTERS, ["Dó", "Ré", "Mi", "Fá", "Sol", "Lá", "Si"])),
    "russian": dict(zip(LETTERS, ["До", "Ре", "Ми", "Фа", "Соль", "Ля", "Си"])),
}

COLORS = ["black", "white", "blue", "red", "yellow", "green"]
SHAPES = ["circle", "triangle", "square"]

# Per language: the note names, how a note is asked for and how a Music window is titled, the
# colour and shape prompts (word for word what their recordings say), and every other text by
# its English source.
LANGUAGES = {
    "de": {
        "notes": "h",
        "note_prompt": "Klick auf die Note {}.",
        "music": "Musik: {}",
        "level": "Stufe   - {} -",
        "colors": ["Klick auf die schwarze Farbe.", "Klick auf die weiße Farbe.",
                   "Klick auf die blaue Farbe.", "Klick auf die rote Farbe.", "Klick auf die gelbe Farbe.",
                   "Klick auf die grüne Farbe."],
        "shapes": ["Klick auf den Kreis.", "Klick auf das Dreieck.", "Klick auf das Quadrat."],
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
            "You can continue, restart or close the program.":
                "Sie können weiterspielen, das Programm neu starten oder schließen.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Sie können weiterspielen, das Programm neu starten oder schließen. Ein Bericht wurde in "
                "%1 gespeichert.",
            "Show &Details...": "&Details anzeigen...",
            "Hide &Details...": "&Details ausblenden...",
            "Co&py": "&Kopieren",
            "&Mail": "Per &E-Mail senden",
            "&Restart": "&Neu starten",
            "Record the voice": "Stimme aufnehmen",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: Stimme aufnehmen",
            "Record the voice: %1": "Stimme aufnehmen: %1",
            "the game's voice was recorded for this game":
                "die Stimme des Spiels wurde für dieses Spiel aufgenommen",
            "the game's voice is a computer voice": "die Stimme des Spiels ist eine Computerstimme",
            "Voice: recorded for this game": "Stimme: für dieses Spiel aufgenommen",
            "Voice: computer voice": "Stimme: eine Computerstimme",
            "Record": "Aufnehmen",
            "Stop": "Stopp",
            "Remove": "Entfernen",
            "your voice": "Ihre Stimme",
            "Listening... say \"%1\", then press Stop.":
                "Ich höre zu ... Sagen Sie „%1“ und drücken Sie dann auf Stopp.",
            "Kept. The game now says \"%1\" in your voice.":
                "Gespeichert. Das Spiel sagt „%1“ jetzt mit Ihrer Stimme.",
            "What was there is kept.": "Die bisherige Aufnahme bleibt erhalten.",
            "Removed. The game's own voice says \"%1\" again.":
                "Entfernt. „%1“ sagt jetzt wieder die Stimme des Spiels.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Es war nichts zu hören. Prüfen Sie, ob das Mikrofon eingeschaltet und nicht "
                "stummgeschaltet ist, und sprechen Sie dann nah am Mikrofon.",
            "The folder %1 cannot be made.": "Der Ordner %1 lässt sich nicht anlegen.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Es wurde kein Mikrofon gefunden. Schließen Sie eines an oder erlauben Sie dem Spiel in "
                "den Toneinstellungen des Computers, es zu benutzen, und versuchen Sie es dann noch "
                "einmal.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Das Mikrofon ließ sich nicht benutzen (%1). Erlauben Sie dem Spiel in den "
                "Toneinstellungen des Computers, es zu benutzen, und versuchen Sie es dann noch einmal.",
            "no display to show the game on (DISPLAY is not set)":
                "keine Anzeige, auf der das Spiel erscheinen kann (DISPLAY ist nicht gesetzt)",
            "cannot open the display %1": "die Anzeige %1 lässt sich nicht öffnen",
        },
    },
    "fr": {
        "notes": "solfege_fr",
        "note_prompt": "Clique sur la note {}.",
        "music": "Musique : {}",
        "level": "Niveau   - {} -",
        "colors": ["Clique sur la couleur noire.", "Clique sur la couleur blanche.",
                   "Clique sur la couleur bleue.", "Clique sur la couleur rouge.",
                   "Clique sur la couleur jaune.", "Clique sur la couleur verte."],
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
            "You can continue, restart or close the program.":
                "Vous pouvez continuer, redémarrer ou fermer le programme.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Vous pouvez continuer, redémarrer ou fermer le programme. Un rapport a été enregistré "
                "dans %1.",
            "Show &Details...": "Afficher les &détails...",
            "Hide &Details...": "Masquer les &détails...",
            "Co&py": "Co&pier",
            "&Mail": "&Envoyer par e-mail",
            "&Restart": "&Redémarrer",
            "Record the voice": "Enregistrer la voix",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin : enregistrer la voix",
            "Record the voice: %1": "Enregistrer la voix : %1",
            "the game's voice was recorded for this game": "la voix du jeu a été enregistrée pour ce jeu",
            "the game's voice is a computer voice": "la voix du jeu est une voix de synthèse",
            "Voice: recorded for this game": "Voix : enregistrée pour ce jeu",
            "Voice: computer voice": "Voix : une voix de synthèse",
            "Record": "Enregistrer",
            "Stop": "Arrêter",
            "Remove": "Supprimer",
            "your voice": "votre voix",
            "Listening... say \"%1\", then press Stop.":
                "J'écoute... Dites « %1 », puis appuyez sur Arrêter.",
            "Kept. The game now says \"%1\" in your voice.":
                "C'est enregistré. Le jeu dit maintenant « %1 » avec votre voix.",
            "What was there is kept.": "L'enregistrement précédent est conservé.",
            "Removed. The game's own voice says \"%1\" again.":
                "Supprimé. Le jeu dit de nouveau « %1 » avec sa propre voix.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Aucun son n'a été entendu. Vérifiez que le micro est allumé et n'est pas coupé, puis "
                "parlez près de lui.",
            "The folder %1 cannot be made.": "Impossible de créer le dossier %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Aucun micro n'a été trouvé. Branchez-en un, ou autorisez le jeu à l'utiliser dans les "
                "réglages du son de l'ordinateur, puis réessayez.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Le micro n'a pas pu être utilisé (%1). Autorisez le jeu à l'utiliser dans les réglages "
                "du son de l'ordinateur, puis réessayez.",
            "no display to show the game on (DISPLAY is not set)":
                "aucun écran où afficher le jeu (DISPLAY n'est pas défini)",
            "cannot open the display %1": "impossible d'ouvrir l'écran %1",
        },
    },
    "es": {
        "notes": "solfege",
        "note_prompt": "Toca la nota {}.",
        "music": "Música: {}",
        "level": "Nivel   - {} -",
        "colors": ["Toca el color negro.", "Toca el color blanco.", "Toca el color azul.",
                   "Toca el color rojo.", "Toca el color amarillo.", "Toca el color verde."],
        "shapes": ["Toca el círculo.", "Toca el triángulo.", "Toca el cuadrado."],
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
            "You can continue, restart or close the program.":
                "Puede continuar, reiniciar o cerrar el programa.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Puede continuar, reiniciar o cerrar el programa. Se ha guardado un informe en %1.",
            "Show &Details...": "Mostrar &detalles...",
            "Hide &Details...": "Ocultar &detalles...",
            "Co&py": "Co&piar",
            "&Mail": "Enviar por c&orreo",
            "&Restart": "&Reiniciar",
            "Record the voice": "Grabar la voz",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: grabar la voz",
            "Record the voice: %1": "Grabar la voz: %1",
            "the game's voice was recorded for this game": "la voz del juego se grabó para este juego",
            "the game's voice is a computer voice": "la voz del juego es una voz sintética",
            "Voice: recorded for this game": "Voz: grabada para este juego",
            "Voice: computer voice": "Voz: una voz sintética",
            "Record": "Grabar",
            "Stop": "Parar",
            "Remove": "Quitar",
            "your voice": "su voz",
            "Listening... say \"%1\", then press Stop.": "Escuchando... Diga «%1» y luego pulse Parar.",
            "Kept. The game now says \"%1\" in your voice.": "Guardado. Ahora el juego dice «%1» con su voz.",
            "What was there is kept.": "Se conserva la grabación anterior.",
            "Removed. The game's own voice says \"%1\" again.":
                "Quitado. El juego vuelve a decir «%1» con su propia voz.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "No se oyó nada. Compruebe que el micrófono está encendido y no silenciado, y hable cerca "
                "de él.",
            "The folder %1 cannot be made.": "No se puede crear la carpeta %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "No se encontró ningún micrófono. Conecte uno o permita que el juego lo use en la "
                "configuración de sonido del ordenador, y vuelva a intentarlo.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "No se pudo usar el micrófono (%1). Permita que el juego lo use en la configuración de "
                "sonido del ordenador y vuelva a intentarlo.",
            "no display to show the game on (DISPLAY is not set)":
                "no hay ninguna pantalla donde mostrar el juego (DISPLAY no está definido)",
            "cannot open the display %1": "no se puede abrir la pantalla %1",
        },
    },
    "it": {
        "notes": "solfege",
        "note_prompt": "Tocca la nota {}.",
        "music": "Musica: {}",
        "level": "Livello   - {} -",
        "colors": ["Tocca il colore nero.", "Tocca il colore bianco.", "Tocca il colore blu.",
                   "Tocca il colore rosso.", "Tocca il colore giallo.", "Tocca il colore verde."],
        "shapes": ["Tocca il cerchio.", "Tocca il triangolo.", "Tocca il quadrato."],
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
            "You can continue, restart or close the program.":
                "Puoi continuare, riavviare o chiudere il programma.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Puoi continuare, riavviare o chiudere il programma. Un rapporto è stato salvato in %1.",
            "Show &Details...": "Mostra &dettagli...",
            "Hide &Details...": "Nascondi &dettagli...",
            "Co&py": "Co&pia",
            "&Mail": "Invia per &e-mail",
            "&Restart": "&Riavvia",
            "Record the voice": "Registra la voce",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: registra la voce",
            "Record the voice: %1": "Registra la voce: %1",
            "the game's voice was recorded for this game":
                "la voce del gioco è stata registrata per questo gioco",
            "the game's voice is a computer voice": "la voce del gioco è una voce sintetica",
            "Voice: recorded for this game": "Voce: registrata per questo gioco",
            "Voice: computer voice": "Voce: una voce sintetica",
            "Record": "Registra",
            "Stop": "Ferma",
            "Remove": "Rimuovi",
            "your voice": "la tua voce",
            "Listening... say \"%1\", then press Stop.": "In ascolto... Di' «%1», poi premi Ferma.",
            "Kept. The game now says \"%1\" in your voice.":
                "Salvato. Ora il gioco dice «%1» con la tua voce.",
            "What was there is kept.": "La registrazione precedente resta com'era.",
            "Removed. The game's own voice says \"%1\" again.":
                "Rimosso. Il gioco dice di nuovo «%1» con la sua voce.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Non si è sentito nulla. Controlla che il microfono sia acceso e non disattivato, poi "
                "parla vicino al microfono.",
            "The folder %1 cannot be made.": "Impossibile creare la cartella %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Nessun microfono trovato. Collegane uno, oppure consenti al gioco di usarlo nelle "
                "impostazioni audio del computer, poi riprova.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Impossibile usare il microfono (%1). Consenti al gioco di usarlo nelle impostazioni "
                "audio del computer, poi riprova.",
            "no display to show the game on (DISPLAY is not set)":
                "nessuno schermo su cui mostrare il gioco (DISPLAY non è impostato)",
            "cannot open the display %1": "impossibile aprire lo schermo %1",
        },
    },
    "pt": {
        "notes": "solfege_pt",
        "note_prompt": "Toca na nota {}.",
        "music": "Música: {}",
        "level": "Nível   - {} -",
        "colors": ["Toca na cor preta.", "Toca na cor branca.", "Toca na cor azul.",
                   "Toca na cor vermelha.", "Toca na cor amarela.", "Toca na cor verde."],
        "shapes": ["Toca no círculo.", "Toca no triângulo.", "Toca no quadrado."],
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
            "You can continue, restart or close the program.":
                "Você pode continuar, reiniciar ou fechar o programa.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Você pode continuar, reiniciar ou fechar o programa. Um relatório foi salvo em %1.",
            "Show &Details...": "Mostrar &detalhes...",
            "Hide &Details...": "Ocultar &detalhes...",
            "Co&py": "Co&piar",
            "&Mail": "Enviar por &e-mail",
            "&Restart": "&Reiniciar",
            "Record the voice": "Gravar a voz",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: gravar a voz",
            "Record the voice: %1": "Gravar a voz: %1",
            "the game's voice was recorded for this game": "a voz do jogo foi gravada para este jogo",
            "the game's voice is a computer voice": "a voz do jogo é uma voz sintética",
            "Voice: recorded for this game": "Voz: gravada para este jogo",
            "Voice: computer voice": "Voz: uma voz sintética",
            "Record": "Gravar",
            "Stop": "Parar",
            "Remove": "Remover",
            "your voice": "sua voz",
            "Listening... say \"%1\", then press Stop.": "Ouvindo... Diga “%1” e depois clique em Parar.",
            "Kept. The game now says \"%1\" in your voice.": "Salvo. Agora o jogo diz “%1” com a sua voz.",
            "What was there is kept.": "A gravação anterior foi mantida.",
            "Removed. The game's own voice says \"%1\" again.":
                "Removido. O jogo volta a dizer “%1” com a própria voz.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Nada foi ouvido. Verifique se o microfone está ligado e não está mudo, e fale perto dele.",
            "The folder %1 cannot be made.": "Não foi possível criar a pasta %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Nenhum microfone foi encontrado. Conecte um ou permita que o jogo o use nas "
                "configurações de som do computador e tente de novo.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Não foi possível usar o microfone (%1). Permita que o jogo o use nas configurações de "
                "som do computador e tente de novo.",
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
        "colors": ["Klik op de zwarte kleur.", "Klik op de witte kleur.", "Klik op de blauwe kleur.",
                   "Klik op de rode kleur.", "Klik op de gele kleur.", "Klik op de groene kleur."],
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
            "You can continue, restart or close the program.":
                "U kunt verder spelen, het programma opnieuw starten of het sluiten.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "U kunt verder spelen, het programma opnieuw starten of het sluiten. Er is een verslag "
                "bewaard in %1.",
            "Show &Details...": "&Details tonen...",
            "Hide &Details...": "&Details verbergen...",
            "Co&py": "&Kopiëren",
            "&Mail": "&E-mailen",
            "&Restart": "&Opnieuw starten",
            "Record the voice": "Stem opnemen",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: stem opnemen",
            "Record the voice: %1": "Stem opnemen: %1",
            "the game's voice was recorded for this game": "de stem van het spel is voor dit spel opgenomen",
            "the game's voice is a computer voice": "de stem van het spel is een computerstem",
            "Voice: recorded for this game": "Stem: opgenomen voor dit spel",
            "Voice: computer voice": "Stem: een computerstem",
            "Record": "Opnemen",
            "Stop": "Stoppen",
            "Remove": "Wissen",
            "your voice": "uw stem",
            "Listening... say \"%1\", then press Stop.": "Ik luister... Zeg ‘%1’ en klik dan op Stoppen.",
            "Kept. The game now says \"%1\" in your voice.": "Bewaard. Het spel zegt nu ‘%1’ met uw stem.",
            "What was there is kept.": "De vorige opname blijft bewaard.",
            "Removed. The game's own voice says \"%1\" again.":
                "Gewist. Het spel zegt ‘%1’ weer met zijn eigen stem.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Er was niets te horen. Controleer of de microfoon aan staat en niet gedempt is, en "
                "spreek er dan dicht bij.",
            "The folder %1 cannot be made.": "De map %1 kan niet worden gemaakt.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Er is geen microfoon gevonden. Sluit er een aan, of geef het spel toestemming om hem te "
                "gebruiken in de geluidsinstellingen van de computer, en probeer het opnieuw.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "De microfoon kon niet worden gebruikt (%1). Geef het spel toestemming om hem te "
                "gebruiken in de geluidsinstellingen van de computer, en probeer het opnieuw.",
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
        "shapes": ["Kliknij kółko.", "Kliknij trójkąt.", "Kliknij kwadrat."],
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
            "You can continue, restart or close the program.":
                "Możesz grać dalej, uruchomić program ponownie albo go zamknąć.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Możesz grać dalej, uruchomić program ponownie albo go zamknąć. Raport zapisano w %1.",
            "Show &Details...": "Pokaż &szczegóły...",
            "Hide &Details...": "Ukryj &szczegóły...",
            "Co&py": "&Kopiuj",
            "&Mail": "Wyślij &e-mailem",
            "&Restart": "&Uruchom ponownie",
            "Record the voice": "Nagraj głos",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: nagraj głos",
            "Record the voice: %1": "Nagraj głos: %1",
            "the game's voice was recorded for this game": "głos gry został nagrany specjalnie dla tej gry",
            "the game's voice is a computer voice": "głos gry to głos komputerowy",
            "Voice: recorded for this game": "Głos: nagrany dla tej gry",
            "Voice: computer voice": "Głos: głos komputerowy",
            "Record": "Nagraj",
            "Stop": "Zatrzymaj",
            "Remove": "Usuń",
            "your voice": "twój głos",
            "Listening... say \"%1\", then press Stop.":
                "Słucham... Powiedz „%1”, a potem naciśnij Zatrzymaj.",
            "Kept. The game now says \"%1\" in your voice.": "Zapisano. Teraz gra mówi „%1” twoim głosem.",
            "What was there is kept.": "Poprzednie nagranie zostaje bez zmian.",
            "Removed. The game's own voice says \"%1\" again.":
                "Usunięto. Gra znowu mówi „%1” własnym głosem.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Nic nie było słychać. Sprawdź, czy mikrofon jest włączony i nie jest wyciszony, i mów "
                "blisko niego.",
            "The folder %1 cannot be made.": "Nie można utworzyć folderu %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Nie znaleziono mikrofonu. Podłącz go albo pozwól grze z niego korzystać w ustawieniach "
                "dźwięku komputera i spróbuj jeszcze raz.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Nie udało się użyć mikrofonu (%1). Pozwól grze z niego korzystać w ustawieniach dźwięku "
                "komputera i spróbuj jeszcze raz.",
            "no display to show the game on (DISPLAY is not set)":
                "brak ekranu, na którym można pokazać grę (DISPLAY nie jest ustawiony)",
            "cannot open the display %1": "nie można otworzyć ekranu %1",
        },
    },
    "ca": {
        "notes": "solfege",
        "note_prompt": "Toca la nota {}.",
        "music": "Música: {}",
        "level": "Nivell   - {} -",
        "colors": ["Toca el color negre.", "Toca el color blanc.", "Toca el color blau.",
                   "Toca el color vermell.", "Toca el color groc.", "Toca el color verd."],
        "shapes": ["Toca el cercle.", "Toca el triangle.", "Toca el quadrat."],
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
            "You can continue, restart or close the program.":
                "Podeu continuar, reiniciar o tancar el programa.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Podeu continuar, reiniciar o tancar el programa. S'ha desat un informe a %1.",
            "Show &Details...": "Mostra els &detalls...",
            "Hide &Details...": "Amaga els &detalls...",
            "Co&py": "Co&pia",
            "&Mail": "Envia per c&orreu",
            "&Restart": "&Reinicia",
            "Record the voice": "Enregistra la veu",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: enregistra la veu",
            "Record the voice: %1": "Enregistra la veu: %1",
            "the game's voice was recorded for this game": "la veu del joc s'ha enregistrat per a aquest joc",
            "the game's voice is a computer voice": "la veu del joc és una veu sintètica",
            "Voice: recorded for this game": "Veu: enregistrada per a aquest joc",
            "Voice: computer voice": "Veu: una veu sintètica",
            "Record": "Enregistra",
            "Stop": "Atura",
            "Remove": "Esborra",
            "your voice": "la vostra veu",
            "Listening... say \"%1\", then press Stop.": "Escoltant... Digueu «%1» i després premeu Atura.",
            "Kept. The game now says \"%1\" in your voice.": "Desat. Ara el joc diu «%1» amb la vostra veu.",
            "What was there is kept.": "Es conserva l'enregistrament anterior.",
            "Removed. The game's own voice says \"%1\" again.":
                "Esborrat. El joc torna a dir «%1» amb la seva pròpia veu.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "No s'ha sentit res. Comproveu que el micròfon estigui encès i no silenciat, i parleu-hi "
                "a prop.",
            "The folder %1 cannot be made.": "No es pot crear la carpeta %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "No s'ha trobat cap micròfon. Connecteu-ne un, o permeteu que el joc el faci servir a la "
                "configuració de so de l'ordinador, i torneu-ho a provar.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "No s'ha pogut fer servir el micròfon (%1). Permeteu que el joc el faci servir a la "
                "configuració de so de l'ordinador i torneu-ho a provar.",
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
        "colors": ["Klikni na černou barvu.", "Klikni na bílou barvu.", "Klikni na modrou barvu.",
                   "Klikni na červenou barvu.", "Klikni na žlutou barvu.", "Klikni na zelenou barvu."],
        "shapes": ["Klikni na kruh.", "Klikni na trojúhelník.", "Klikni na čtverec."],
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
            "You can continue, restart or close the program.":
                "Můžete pokračovat, program spustit znovu, nebo ho zavřít.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Můžete pokračovat, program spustit znovu, nebo ho zavřít. Zpráva byla uložena do %1.",
            "Show &Details...": "Zobrazit po&drobnosti...",
            "Hide &Details...": "Skrýt po&drobnosti...",
            "Co&py": "&Kopírovat",
            "&Mail": "Poslat &e-mailem",
            "&Restart": "&Spustit znovu",
            "Record the voice": "Nahrát hlas",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: nahrát hlas",
            "Record the voice: %1": "Nahrát hlas: %1",
            "the game's voice was recorded for this game": "hlas hry byl nahrán přímo pro tuto hru",
            "the game's voice is a computer voice": "hlas hry je počítačový hlas",
            "Voice: recorded for this game": "Hlas: nahraný pro tuto hru",
            "Voice: computer voice": "Hlas: počítačový hlas",
            "Record": "Nahrát",
            "Stop": "Zastavit",
            "Remove": "Odstranit",
            "your voice": "váš hlas",
            "Listening... say \"%1\", then press Stop.":
                "Poslouchám... Řekněte „%1“ a pak klikněte na Zastavit.",
            "Kept. The game now says \"%1\" in your voice.": "Uloženo. Hra teď říká „%1“ vaším hlasem.",
            "What was there is kept.": "Předchozí nahrávka zůstává zachována.",
            "Removed. The game's own voice says \"%1\" again.":
                "Odstraněno. Hra zase říká „%1“ svým vlastním hlasem.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Nebylo nic slyšet. Zkontrolujte, že je mikrofon zapnutý a není ztlumený, a mluvte blízko "
                "něj.",
            "The folder %1 cannot be made.": "Složku %1 nelze vytvořit.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Nebyl nalezen žádný mikrofon. Připojte ho, nebo hře povolte jeho použití v nastavení "
                "zvuku počítače, a zkuste to znovu.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Mikrofon nešel použít (%1). Povolte hře jeho použití v nastavení zvuku počítače a zkuste "
                "to znovu.",
            "no display to show the game on (DISPLAY is not set)":
                "není obrazovka, na které by se hra ukázala (DISPLAY není nastaveno)",
            "cannot open the display %1": "obrazovku %1 nelze otevřít",
        },
    },
    "fi": {
        "notes": "h",
        "note_prompt": "Napauta {}-nuottia.",
        "music": "Musiikki: {}",
        "level": "Taso   - {} -",
        "colors": ["Napauta mustaa väriä.", "Napauta valkoista väriä.", "Napauta sinistä väriä.",
                   "Napauta punaista väriä.", "Napauta keltaista väriä.", "Napauta vihreää väriä."],
        "shapes": ["Napauta ympyrää.", "Napauta kolmiota.", "Napauta neliötä."],
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
            "You can continue, restart or close the program.":
                "Voit jatkaa, käynnistää ohjelman uudelleen tai sulkea sen.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Voit jatkaa, käynnistää ohjelman uudelleen tai sulkea sen. Raportti tallennettiin "
                "kansioon %1.",
            "Show &Details...": "Näytä &tiedot...",
            "Hide &Details...": "Piilota &tiedot...",
            "Co&py": "&Kopioi",
            "&Mail": "Lähetä sähkö&postilla",
            "&Restart": "Käynnistä &uudelleen",
            "Record the voice": "Äänitä oma ääni",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: äänitä oma ääni",
            "Record the voice: %1": "Äänitä oma ääni: %1",
            "the game's voice was recorded for this game": "pelin ääni on äänitetty tätä peliä varten",
            "the game's voice is a computer voice": "pelin ääni on tietokoneen ääni",
            "Voice: recorded for this game": "Ääni: äänitetty tätä peliä varten",
            "Voice: computer voice": "Ääni: tietokoneen ääni",
            "Record": "Äänitä",
            "Stop": "Pysäytä",
            "Remove": "Poista",
            "your voice": "sinun äänesi",
            "Listening... say \"%1\", then press Stop.": "Kuunnellaan... Sano ”%1” ja paina sitten Pysäytä.",
            "Kept. The game now says \"%1\" in your voice.":
                "Tallennettu. Peli sanoo nyt ”%1” sinun äänelläsi.",
            "What was there is kept.": "Aiempi äänitys säilyy ennallaan.",
            "Removed. The game's own voice says \"%1\" again.":
                "Poistettu. Peli sanoo taas ”%1” omalla äänellään.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Mitään ei kuulunut. Tarkista, että mikrofoni on päällä eikä mykistetty, ja puhu lähellä "
                "sitä.",
            "The folder %1 cannot be made.": "Kansiota %1 ei voi luoda.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Mikrofonia ei löytynyt. Kytke mikrofoni tai salli pelin käyttää sitä tietokoneen "
                "ääniasetuksissa ja yritä sitten uudelleen.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Mikrofonia ei voitu käyttää (%1). Salli pelin käyttää sitä tietokoneen ääniasetuksissa "
                "ja yritä sitten uudelleen.",
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
            "You can continue, restart or close the program.":
                "Можно продолжить, перезапустить или закрыть программу.",
            "You can continue, restart or close the program. A report was saved to %1.":
                "Можно продолжить, перезапустить или закрыть программу. Отчёт сохранён в %1.",
            "Show &Details...": "Показать по&дробности...",
            "Hide &Details...": "Скрыть по&дробности...",
            "Co&py": "&Копировать",
            "&Mail": "Отправить по по&чте",
            "&Restart": "Пе&резапустить",
            "Record the voice": "Записать голос",
            "Tovimar Plumkin: Record the Voice": "Tovimar Plumkin: запись голоса",
            "Record the voice: %1": "Запись голоса: %1",
            "the game's voice was recorded for this game": "голос игры записан специально для неё",
            "the game's voice is a computer voice": "голос игры — компьютерный",
            "Voice: recorded for this game": "Голос: записан для этой игры",
            "Voice: computer voice": "Голос: компьютерный",
            "Record": "Записать",
            "Stop": "Стоп",
            "Remove": "Удалить",
            "your voice": "ваш голос",
            "Listening... say \"%1\", then press Stop.": "Слушаю... Скажите «%1», затем нажмите «Стоп».",
            "Kept. The game now says \"%1\" in your voice.":
                "Сохранено. Теперь игра говорит «%1» вашим голосом.",
            "What was there is kept.": "Прежняя запись сохранена.",
            "Removed. The game's own voice says \"%1\" again.":
                "Удалено. Игра снова говорит «%1» своим голосом.",
            "Nothing was heard. Check that the microphone is on and not muted, then speak close to it.":
                "Ничего не слышно. Проверьте, что микрофон включён и звук на нём не выключен, и говорите "
                "ближе к нему.",
            "The folder %1 cannot be made.": "Не удаётся создать папку %1.",
            "No microphone was found. Plug one in, or allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Микрофон не найден. Подключите его или разрешите игре пользоваться им в настройках звука "
                "компьютера, затем попробуйте ещё раз.",
            "The microphone could not be used (%1). Allow the game to use it in the computer's sound "
            "settings, then try again.":
                "Не удалось воспользоваться микрофоном (%1). Разрешите игре пользоваться им в настройках "
                "звука компьютера, затем попробуйте ещё раз.",
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


def spoken_prompts():
    """{name: {language: words}} of every recording, from the table they were made from."""
    with open(PROMPTS, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]
    languages = rows[0][1:]
    return {row[0]: dict(zip(languages, row[1:])) for row in rows[1:]}


def disagreements():
    """Where a prompt shown in a level says something other than its recording. A note is asked
    for in a sentence; the voice says only its name, which the sentence must use."""
    spoken = spoken_prompts()
    found = []

    def compare(language, name, shown):
        said = spoken.get(name, {}).get(language)
        if shown != said:
            found.append(f"{language}: {name}: the text says {shown!r}, the voice {said!r}")

    for name in COLORS:
        compare("en", name, f"Click the {name} color.")
    for name in SHAPES:
        compare("en", name, f"Click the {name}.")
    for letter in LETTERS:
        compare("en", letter, letter)
    for language, table in LANGUAGES.items():
        for name, shown in zip(COLORS + SHAPES, table["colors"] + table["shapes"]):
            compare(language, name, shown)
        for letter, shown in NOTE_NAMES[table["notes"]].items():
            compare(language, letter, shown)
    return found


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
    disagreeing = disagreements()
    for line in missing:
        print("no translation:", line, file=sys.stderr)
    for line in disagreeing:
        print("text and voice differ:", line, file=sys.stderr)
    for path in stale:
        print(f"{path} is not up to date: run tools/make_translations.py", file=sys.stderr)
    return 1 if missing or stale or disagreeing else 0


if __name__ == "__main__":
    sys.exit(main())
