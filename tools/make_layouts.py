#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the window layouts in resources/layouts/ from the tables below.

Every window is stored as object/property text; pictures are embedded as binary data, so
the layouts are written from here rather than by hand. Run from anywhere; the output is
committed and the build does not need this script.
"""
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ROOT, "resources", "pictures")
OUT = os.path.join(ROOT, "resources", "layouts")


class Ident(str):
    """An identifier value (enum value, colour name, handler or component name)."""


class Binary(bytes):
    """Raw property data, written as hex."""


def read_picture(name):
    with open(os.path.join(PICTURES, name), "rb") as f:
        return f.read()


def bitmap_data(name):
    data = read_picture(name)
    return Binary(struct.pack("<I", len(data)) + data)


def picture_data(class_name, name):
    data = read_picture(name)
    head = bytes([len(class_name)]) + class_name.encode("ascii")
    return Binary(head + struct.pack("<I", len(data)) + data)


def value_text(value, indent):
    if isinstance(value, bool):
        return "True" if value else "False"
    if isinstance(value, Ident):
        return str(value)
    if isinstance(value, int):
        return str(value) if value < 0x100000 else "$%08X" % value
    if isinstance(value, float):
        return "%.1f" % value
    if isinstance(value, list):
        return "[" + ", ".join(value) + "]"
    if isinstance(value, Binary):
        hexed = value.hex().upper()
        rows = [hexed[i:i + 64] for i in range(0, len(hexed), 64)] or [""]
        pad = "  " * (indent + 1)
        return "{\n" + "\n".join(pad + row for row in rows) + "}"
    if isinstance(value, str):
        return "'" + value.replace("'", "''") + "'"
    raise TypeError(value)


class Obj:
    def __init__(self, name, cls, props=None, children=()):
        self.name, self.cls = name, cls
        self.props = props or {}
        self.children = list(children)

    def lines(self, indent=0):
        pad = "  " * indent
        out = [f"{pad}object {self.name}: {self.cls}"]
        for key, value in self.props.items():
            out.append(f"{pad}  {key} = {value_text(value, indent + 1)}")
        for child in self.children:
            out.extend(child.lines(indent + 1))
        out.append(f"{pad}end")
        return out


def bounds(left, top, width, height):
    return {"Left": left, "Top": top, "Width": width, "Height": height}


def font(height, name="Arial", bold=False, color=None):
    props = {"Font.Height": -height, "Font.Name": name}
    if color is not None:
        props["Font.Color"] = color
    if bold:
        props["Font.Style"] = ["fsBold"]
    props["ParentFont"] = False
    return props


def form(name, cls, caption, client, props=None, scaled=False):
    p = {"Caption": caption, "ClientWidth": client[0], "ClientHeight": client[1]}
    p.update(props or {})
    p["Position"] = Ident("poScreenCenter")
    if not scaled:
        p["Scaled"] = False
        p["HorzScrollBar.Visible"] = False
        p["VertScrollBar.Visible"] = False
    return Obj(name, cls, p)


FIXED = {"BorderIcons": ["biSystemMenu", "biMinimize"], "BorderStyle": Ident("bsSingle")}

BOTTOM_BAR = {
    "ColorFace": Ident("clWhite"),
    "ColorGrad": 0xA4E1FF,
    "ColorLight": 0x008FD5,
    "ColorDark": 0x00699B,
    "ColorScheme": Ident("csDesert"),
    "FillDirection": Ident("fdVertical"),
    "BevelWidth": 0,
}


def glyph_button(name, caption, place, glyph, layout="blGlyphTop", spacing=2, anchors=None, handler=None,
                 font_props=None, extra=None):
    p = bounds(*place)
    if anchors:
        p["Anchors"] = anchors
    p["Caption"] = caption
    p.update(font_props if font_props is not None else font(13, bold=True))
    p["Glyph.Data"] = bitmap_data(glyph)
    if layout != "blGlyphLeft":
        p["Layout"] = Ident(layout)
    p["Spacing"] = spacing
    p.update(extra or {})
    p["OnClick"] = Ident(handler or name + "Click")
    return Obj(name, "TBitBtn", p)


def bottom_bar(width, top, height, buttons):
    p = bounds(0, top, width, height)
    p["Align"] = Ident("alBottom")
    p.update(BOTTOM_BAR)
    return Obj("pnlBottom", "TXiPanel", p, buttons)


def transitions(effect_cls, effect_props):
    return [
        Obj("TransitionList1", "TTransitionList", {}, [Obj("Transition1", effect_cls, effect_props)]),
        Obj("FormTransitions1", "TFormTransitions",
            {"DestroyTransitions": False, "ShowTransition": Ident("Transition1")}),
    ]


def roll(milliseconds, event, handler):
    return transitions("TRollTransition", {"Direction": Ident("tedRight"), "Milliseconds": milliseconds,
                                           event: Ident(handler)})


GRID = {"GridColor": 0xA6CAF0, "GridStyle": Ident("gsDottedLines"), "GridXSize": 12, "GridYSize": 12}

# --- main menu ---------------------------------------------------------------------------

CATEGORY_COLOURS = {
    "OverColorGrad": 0x00A3F0,
    "DownColorGrad": 0x77D2FF,
}


def category_button(name, caption, top, tab_order, glyph):
    p = bounds(71, top, 170, 50)
    p.update(CATEGORY_COLOURS)
    p["Gradient"] = True
    p["Spacing"] = 10
    p["Glyph.Data"] = bitmap_data(glyph)
    p["Caption"] = caption
    p.update(font(20, bold=True))
    p["TabOrder"] = tab_order
    p["OnClick"] = Ident(name + "Click")
    return Obj(name, "TXiButton", p)


def level_button(name, number, top):
    return glyph_button(name, "Level   - %d -" % number, (45, top, 264, 35), "glyph_level.bmp",
                        layout="blGlyphLeft", spacing=15, font_props={})


def page(name, caption, wallpaper_name, wallpaper, buttons):
    paper = Obj(wallpaper_name, "TRzBackground", {
        "Align": Ident("alClient"),
        "Active": True,
        "ImageStyle": Ident("isTiled"),
        "ShowGradient": False,
        "ShowImage": True,
        "ShowTexture": True,
        "Image.Data": picture_data("TJPEGImage", wallpaper),
    })
    return Obj(name, "TTabSheet", {"Caption": caption, "TabVisible": False}, [paper] + buttons)


def main_window():
    f = form("frmMain", "TfrmMain", "frmMain", (642, 466), FIXED)
    f.props["Position"] = Ident("poDesktopCenter")
    f.props["OnShow"] = Ident("FormShow")
    left = Obj("pnlLeft", "TRzPanel", dict(bounds(0, 0, 280, 386), Align=Ident("alLeft"), TabOrder=0), [
        Obj("imgTick", "TImage", dict(bounds(40, 125, 24, 24), AutoSize=True, Transparent=True,
                                      **{"Picture.Data": picture_data("TBitmap", "tick.bmp")})),
        category_button("btnColors", "Colors", 112, 0, "glyph_colors.bmp"),
        category_button("btnShapes", "Shapes", 168, 2, "glyph_shapes.bmp"),
        category_button("btnMusic", "Music", 224, 1, "glyph_music.bmp"),
        Obj("chkHints", "TRzCheckBox", dict(bounds(13, 13, 115, 17), Caption="Show Hints", Checked=True,
                                            State=Ident("cbChecked"), Transparent=True, TabOrder=3,
                                            **font(13, bold=True))),
        Obj("urlCopyright", "TRzURLLabel", dict(bounds(112, 354, 55, 13), Transparent=True,
                                                LightTextStyle=True, TextStyle=Ident("tsRecessed"),
                                                URL="https://tovimar.example/",
                                                **font(11, "Tahoma", bold=True, color=Ident("clBtnShadow")))),
    ])
    bottom = bottom_bar(642, 386, 80, [
        glyph_button("btnExit", "Exit", (517, 10, 115, 60), "glyph_exit.bmp", anchors=["akTop", "akRight"]),
    ])
    pages = Obj("pgPages", "TPageControl", dict(bounds(280, 0, 362, 386), ActivePage=Ident("TabSheet1"),
                                               Align=Ident("alClient"), TabOrder=2, **font(16, bold=True)), [
        page("TabSheet1", "Colors", "oWallPaper1", "wallpaper_colors.jpg",
             [level_button("btnColors%d" % i, i, top) for i, top in ((1, 131), (2, 170), (3, 209))]),
        page("TabSheet2", "Music", "oWallPaper2", "wallpaper_music.jpg",
             [level_button("btnMusic%d" % i, i, top) for i, top in ((1, 112), (2, 151), (3, 190), (4, 229))]),
        page("TabSheet3", "Shapes", "oWallPaper3", "wallpaper_shapes.jpg",
             [level_button("btnShapes%d" % i, i, top) for i, top in ((1, 151), (2, 190))]),
    ])
    f.children = [left, bottom, pages,
                  Obj("Player", "TabfWav", {"FileData": Binary(b"\0\0\0\0")}),
                  Obj("Midi", "TMidiGen", {"Duration": 200}),
                  Obj("Info", "TRzVersionInfo")]
    f.children += transitions("TBlockTransition", {"Dual": True, "Milliseconds": 1000, "SubStyle": 0})
    return f


# --- reward ------------------------------------------------------------------------------

def reward_window():
    f = form("frmReward", "TfrmReward", "Bravo", (642, 476),
             {"BorderIcons": ["biSystemMenu", "biMinimize"], "BorderStyle": Ident("bsDialog"),
              "Font.Name": "MS Sans Serif"}, scaled=True)
    f.props["OnClose"] = Ident("FormClose")
    f.props["OnShow"] = Ident("FormShow")
    f.children = [
        Obj("RzPanel1", "TRzPanel", dict(bounds(0, 0, 642, 416), Align=Ident("alClient"), Color=Ident("clWhite")), [
            Obj("Image1", "TImage", dict(bounds(279, 87, 105, 208), Transparent=True,
                                         **{"Picture.Data": picture_data("TGIFImage", "reward.gif")})),
        ]),
        bottom_bar(642, 416, 60, [
            glyph_button("btnFinish", "Finish", (530, 13, 100, 36), "glyph_finish.bmp", layout="blGlyphRight",
                         spacing=10, anchors=["akRight", "akBottom"], font_props=font(13, "MS Sans Serif", True)),
        ]),
        Obj("Timer", "TTimer", {"Interval": 4000, "OnTimer": Ident("TimerTimer")}),
    ]
    return f


# --- colour and shape activities -----------------------------------------------------------

def activity_top(hint_controls, prompt):
    label = Obj("lblInstructions", "TLabel", dict(Left=30, Top=31, Width=200, Height=23, Caption=prompt,
                                                  **font(20)))
    play = glyph_button("btnPlay", "Play", (516, 13, 115, 60), "glyph_play.bmp", anchors=["akRight", "akBottom"])
    return Obj("pnlTop", "TRzPanel", dict(bounds(0, 0, 642, 86), Align=Ident("alTop"), TabOrder=0),
               [label] + hint_controls + [play])


def activity_bottom():
    return bottom_bar(642, 386, 80, [
        glyph_button("btnBack", "Back", (7, 10, 115, 60), "glyph_back.bmp", anchors=["akLeft", "akTop"]),
        glyph_button("btnRandomize", "Randomize", (517, 10, 115, 60), "glyph_randomize.bmp",
                     anchors=["akRight", "akBottom"],
                     extra={"Hint": "Randomize color positions.", "ShowHint": True}),
    ])


def play_field(figures):
    p = dict(bounds(0, 86, 642, 300), Align=Ident("alClient"), Color=0xE6F0F2, ShowGrid=True, TabOrder=1)
    p.update(GRID)
    return Obj("pnlMid", "TRzPanel", p, figures)


def sizeable_window(name, cls, caption, position):
    f = form(name, cls, caption, (642, 466), {"Left": position[0], "Top": position[1]})
    f.props["OnClose"] = Ident("FormClose")
    f.props["OnShow"] = Ident("FormShow")
    return f


def elastic(position):
    """Scales the window with the screen and with its own size; the values of its design."""
    return Obj("ElasticForm1", "TElasticForm", {
        "DesignScreenWidth": 1288, "DesignScreenHeight": 1032, "DesignPixelsPerInch": 96,
        "DesignFormWidth": 650, "DesignFormHeight": 500,
        "DesignFormClientWidth": 642, "DesignFormClientHeight": 466,
        "DesignFormLeft": position[0], "DesignFormTop": position[1],
        "Font.Height": -11, "Font.Name": "Arial", "Version": 700.0})


def colour_window(name, cls, caption, position, circles, prompt, hint_colour):
    f = sizeable_window(name, cls, caption, position)
    swatch = Obj("objHint", "TRzPanel", dict(bounds(281, 3, 80, 80), Anchors=["akRight", "akBottom"],
                                             BorderInner=Ident("fsLowered"), BorderOuter=Ident("fsGroove"),
                                             Color=hint_colour))
    shapes = [Obj("shpShape%d" % (i + 1), "TShape",
                  dict(bounds(*place), **{"Brush.Color": colour}, Shape=Ident("stCircle"),
                       OnMouseDown=Ident("shpShape%dMouseDown" % (i + 1))))
              for i, (place, colour) in enumerate(circles)]
    f.children = [activity_top([swatch], prompt), play_field(shapes), activity_bottom()]
    f.children += roll(1500, "OnAfterTransition", "Transition1AfterTransition")
    f.children.append(elastic(position))
    return f


SHADOW = {"Shadow": True, "ShadowOffset": 2, "ShadowColor": Ident("clBtnShadow")}


def hint_figure(name, cls):
    return Obj(name, cls, dict(bounds(288, 10, 65, 65), **{"Brush.Color": Ident("clBlack")}, **SHADOW))


def answer_figure(name, cls, place):
    return Obj(name, cls, dict(bounds(*place), **{"Pen.Width": 2}, **SHADOW,
                               OnMouseDown=Ident(name + "MouseDown")))


def shape_window(name, cls, figures, hints):
    f = sizeable_window(name, cls, "Shapes: Circle-Triangle", (297, 308))
    f.children = [activity_top(hints, "Click the triangle."),
                  play_field([answer_figure(*fig) for fig in figures]), activity_bottom()]
    f.children += roll(1500, "OnAfterTransition", "Transition1AfterTransition")
    f.children.append(elastic((297, 308)))
    return f


# --- music activities --------------------------------------------------------------------

def staff_label(name, left, width, caption, top, height, size, opaque=False, clickable=True):
    p = dict(bounds(left, top, width, height), Alignment=Ident("taCenter"), Caption=caption,
             Layout=Ident("tlCenter"), **font(size, "MusiTone"))
    if opaque:
        p["Anchors"] = ["akLeft", "akTop", "akRight"]
    else:
        p["Transparent"] = True
    if clickable:
        p["OnClick"] = Ident(name + "Click")
    return Obj(name, "TLabel", p)


def music_window(name, cls, caption, position, frame, panel, staff, top_color=None):
    f = form(name, cls, caption, (767, 471), dict(frame, Left=position[0], Top=position[1]))
    f.props["OnShow"] = Ident("FormShow")
    f.props["OnClose"] = Ident("FormClose")
    top_children = []
    if top_color is None:
        top_children.append(Obj("oWallPaper", "TRzBackground", dict(
            bounds(2, 2, 763, 82), Align=Ident("alClient"), Active=True, ImageStyle=Ident("isCenter"),
            ShowGradient=False, ShowImage=False, ShowTexture=True)))
    top_children += [
        Obj("lblInstructions", "TLabel", dict(Left=30, Top=31, Width=200, Height=23, Caption="Click the F note.",
                                              Transparent=True, **font(20))),
        Obj("objHint", "TLabel", dict(Left=310, Top=10, Width=40, Height=40, Caption=".U.u.", Transparent=True,
                                      **font(24, "MusiTone"))),
        glyph_button("btnPlay", "Play", (641, 13, 115, 60), "glyph_play.bmp", anchors=["akRight", "akBottom"]),
    ]
    top = Obj("pnlTop", "TRzPanel", dict(bounds(0, 0, 767, 86), Align=Ident("alTop"), TabOrder=0), top_children)
    size, label_top, height, labels = staff
    staff_labels = [staff_label(n, l, w, c, label_top, height, size, opaque=o, clickable=n.startswith("lbl")
                                and n not in ("lblClef", "lblStaff_End"))
                    for n, l, w, c, o in labels]
    panel_name, panel_props = panel
    mid = Obj(panel_name, "TRzPanel", dict(bounds(0, 86, 767, 305), Align=Ident("alClient"), TabOrder=1,
                                           **panel_props), staff_labels)
    bottom = bottom_bar(767, 391, 80, [
        glyph_button("btnBack", "Back", (7, 10, 115, 60), "glyph_back.bmp"),
    ])
    f.children = [top, mid, bottom] + roll(2000, "OnEndTransition", "Transition1EndTransition")
    return f


CLEF6 = '{{{{.${"......'
CLEF4 = '{{{{.${"....'
MUSIC_PANEL = dict(Color=0xE6F0F2, **GRID)


def music_windows():
    fc = music_window("frmMusic_FC", "TfrmMusic_FC", "Music: F-C", (199, 203), FIXED, ("RzPanel1", {}), (
        104, 9, 286, [
            ("lblClef", 50, 233, CLEF6, False),
            ("lblF", 283, 186, ".U.u....", False),
            ("lblC2", 469, 155, ".Y.y...", False),
            ("lblStaff_End", 624, 93, "../.", False),
        ]))
    fac = music_window("frmMusic_FAC", "TfrmMusic_FAC", "Music: F-A-C", (182, 202),
                       {"BorderStyle": Ident("bsSingle")}, ("pnlMid", MUSIC_PANEL), (
        96, 20, 265, [
            ("lblClef", 28, 217, CLEF6, False),
            ("lblF", 245, 116, ".U.u..", False),
            ("lblA", 361, 145, "..W.w..", True),
            ("lblC2", 506, 145, "..Y.y..", False),
            ("lblStaff_End", 651, 87, "../.", False),
        ]))
    fgabc = music_window("frmMusic_FGABC", "TfrmMusic_FGABC", "Music: F-G-A-B-C", (191, 144), {},
                         ("pnlMid", MUSIC_PANEL), (
        87, 32, 240, [
            ("lblClef", 26, 143, CLEF4, False),
            ("lblF", 169, 104, ".U.u..", False),
            ("lblG", 273, 104, ".V.v..", False),
            ("lblA", 377, 104, ".W.w..", True),
            ("lblB", 481, 104, ".X.x..", True),
            ("lblC2", 585, 104, ".Y.y..", False),
            ("lblStaff_End", 689, 52, "./.", False),
        ]))
    efgabcd = music_window("frmMusic_EFGABCD", "TfrmMusic_EFGABCD", "Music: E-F-G-A-B-C-D", (153, 115), FIXED,
                           ("pnlMid", dict(Color=Ident("clWhite"), **GRID)), (
        83, 38, 229, [
            ("lblClef", 27, 137, CLEF4, False),
            ("lblE", 164, 75, ".T.t.", False),
            ("lblF", 239, 75, ".U.u.", False),
            ("lblG", 314, 75, ".V.v.", False),
            ("lblA", 389, 75, ".W.w.", True),
            ("lblB", 464, 75, ".X.x.", True),
            ("lblC2", 539, 75, ".Y.y.", False),
            ("lblD", 614, 75, ".Z.z.", False),
            ("lblStaff_End", 689, 50, "./.", False),
        ]), top_color=True)
    return [("uMusic_FC", fc), ("uMusic_FAC", fac), ("uMusic_FGABC", fgabc), ("uMusic_EFGABCD", efgabcd)]


def windows():
    yield "uMain", main_window()
    yield "uReward", reward_window()
    yield "uColors_BlackWhite", colour_window(
        "frmColors_BlackWhite", "TfrmColors_BlackWhite", "Colors: Black-White", (108, 257),
        [((78, 51, 170, 170), Ident("clBlack")), ((323, 61, 170, 170), Ident("clWhite"))],
        "Click the black color.", Ident("clBlack"))
    yield "uColors_BlueRedYellow", colour_window(
        "frmColors_BlueRedYellow", "TfrmColors_BlueRedYellow", "Colors: Blue-Red-Yellow", (297, 308),
        [((45, 14, 170, 170), Ident("clBlue")), ((255, 13, 170, 170), Ident("clRed")),
         ((432, 114, 170, 170), Ident("clYellow"))],
        "Click the blue color.", Ident("clBlue"))
    yield "uColors_All", colour_window(
        "frmColors_All", "TfrmColors_All", "Colors: All", (297, 308),
        [((64, 17, 100, 100), Ident("clBlue")), ((439, 6, 100, 100), Ident("clRed")),
         ((496, 158, 100, 100), Ident("clBlack")), ((305, 149, 100, 100), Ident("clYellow")),
         ((87, 162, 100, 100), Ident("clWhite")), ((205, 60, 100, 100), Ident("clGreen"))],
        "Click the yellow color.", Ident("clYellow"))
    yield "uShapes_CircleTriangle", shape_window(
        "frmShapes_CircleTriangle", "TfrmShapes_CircleTriangle",
        [("shpShape2", "TTriangleShape", (380, 48, 170, 170)), ("shpShape1", "TCircleShape", (113, 59, 170, 170))],
        [hint_figure("objTriangle", "TTriangleShape"), hint_figure("objCircle", "TCircleShape")])
    yield "uShapes_CircleTriangleSquare", shape_window(
        "frmShapes_CircleTriangleSquare", "TfrmShapes_CircleTriangleSquare",
        [("shpShape2", "TTriangleShape", (454, 92, 150, 150)), ("shpShape1", "TCircleShape", (64, 19, 150, 150)),
         ("shpShape3", "TSquareShape", (245, 115, 150, 150))],
        [hint_figure("objTriangle", "TTriangleShape"), hint_figure("objCircle", "TCircleShape"),
         hint_figure("objSquare", "TSquareShape")])
    yield from music_windows()


def main():
    os.makedirs(OUT, exist_ok=True)
    for unit, window in windows():
        with open(os.path.join(OUT, unit + ".layout"), "w", newline="\n") as f:
            f.write("\n".join(window.lines()) + "\n")


if __name__ == "__main__":
    main()
