#!/usr/bin/env python3
"""Writes the shipped print templates of the audit report (data/Reports/ReportsN) in Qt's
rich-text HTML, which LibreOffice Writer opens and saves: the front pages of Form 3CA and
Form 3CB and the three Form 3CD formats. The Form 3CD clauses, their wording and their
grid columns come from the clause catalogue, so the templates follow it when it changes.
Run from the repository root after changing the catalogue, then commit the files."""

import html
import json
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "data" / "Reports" / "ReportsN"
CATALOGUE = json.loads((ROOT / "data" / "catalogue" / "form3cd.json").read_text(encoding="utf-8"))
# Grids wider than this are printed one block of heading and value per row.
MAX_COLUMNS_ACROSS = 8
# The columns of the annexure table at the end of Form 3CD.
ANNEXURE_COLUMNS = 8


def e(text):
    return html.escape(text, quote=False)


def document(body, font="DejaVu Sans", size=9):
    return (
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n"
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"/>"
        "<title>Talvex report template</title></head>\n"
        f"<body style=\"font-family:'{font}'; font-size:{size}pt;\">\n{body}</body></html>\n"
    )


def centred(text, bold=False):
    inner = f"<b>{text}</b>" if bold else text
    return f"<p align=\"center\" style=\"margin-top:0px; margin-bottom:2px;\">{inner}</p>\n"


def para(text, align="justify", indent=0):
    return (f"<p align=\"{align}\" style=\"margin-top:4px; margin-bottom:4px; margin-left:{indent}px;\">"
            f"{text}</p>\n")


def table(rows, widths, ruled, extra_style=""):
    border = "1" if ruled else "0"
    head = (f"<table width=\"100%\" border=\"{border}\" cellspacing=\"0\" cellpadding=\"3\" "
            f"style=\"border-collapse:collapse; border-color:#000000; border-style:solid;{extra_style}\">\n")
    cols = "".join(f"<col width=\"{w}%\"/>" for w in widths)
    return head + cols + "\n" + "".join(rows) + "</table>\n"


def row(cells):
    """cells: (html, colspan, width, align, valign)"""
    out = "<tr>"
    for text, span, width, align in cells:
        attrs = f" width=\"{width}%\"" if width else ""
        attrs += f" colspan=\"{span}\"" if span > 1 else ""
        attrs += f" align=\"{align}\"" if align else ""
        out += f"<td valign=\"top\"{attrs}>{text}</td>"
    return out + "</tr>\n"


# ---------------------------------------------------------------- front pages

UDIN = "<p align=\"right\" style=\"margin-top:0px; margin-bottom:6px;\"><b>$#$UDIN$#$</b></p>\n"

QUALIFICATIONS = table(
    [row([("<b>Sr. No.</b>", 1, 8, "center"), ("<b>Qualification Type</b>", 1, 30, ""),
          ("<b>Observations/Qualifications</b>", 1, 62, "")]),
     row([("$#$SN$#$", 1, 8, "center"), ("$#$QType$#$", 1, 30, ""), ("$#$OQual$#$", 1, 62, "")])],
    [8, 30, 62], True)

ACCOUNTANT = table(
    [row([("Place : $#$Place$#$<br/>Date&nbsp;&nbsp;&nbsp;: $#$Date$#$", 1, 50, ""),
          ("For $#$Auditor - Firm Name$#$<br/>Chartered Accountants<br/><br/><br/>"
           "$#$Auditor - Name$#$<br/>$#$PartProp$#$<br/>M. No. : $#$MemNo$#$<br/>"
           "FRN : $#$FirmNo$#$<br/>$#$Auditor - Address$#$<br/>$#$Phone$#$<br/>$#$eMail$#$", 1, 50, "")])],
    [50, 50], False)

FORM_3CA = (
    UDIN
    + centred("FORM NO. 3CA", True)
    + centred("[See rule 6G(1)(a)]")
    + centred("Audit report under section 44AB of the Income-tax Act, 1961, in a case where the accounts "
              "of the business or profession of a person have been audited under any other law", True)
    + "<p></p>\n"
    + para("1. $#$IWe$#$ report that the statutory audit of M/s. <b>$#$Name$#$</b>, $#$Address$#$, "
           "PAN : <b>$#$PAN$#$</b> was conducted by $#$MeUsMs$#$ $#$AudName$#$ in pursuance of the "
           "provisions of the $#$Act#$, and $#$IWe$#$ annex hereto a copy of $#$MyOurTheir$#$ audit "
           "report dated $#$AudRptDt$#$ along with a copy of each of :-")
    + para("(a) the audited $#$PLType$#$ for the period beginning from $#$PStart Date$#$ to ending on "
           "$#$PEnd Date$#$;", indent=30)
    + para("(b) the audited balance sheet as at, $#$BSYear$#$; and", indent=30)
    + para("(c) documents declared by the said Act to be part of, or annexed to, the $#$PLType$#$ and "
           "balance sheet.", indent=30)
    + para("2. The statement of particulars required to be furnished under section 44AB is annexed "
           "herewith in Form No. 3CD.")
    + para("3. In $#$MyOur$#$ opinion and to the best of $#$MyOur$#$ information and according to "
           "examination of books of account including other relevant documents and explanations given "
           "to $#$MeUs$#$, the particulars given in the said Form No. 3CD are true and correct subject "
           "to the following observations/qualifications, if any:")
    + QUALIFICATIONS
    + "<p></p>\n"
    + ACCOUNTANT
)

FORM_3CB = (
    UDIN
    + centred("FORM NO. 3CB", True)
    + centred("[See rule 6G(1)(b)]")
    + centred("Audit report under section 44AB of the Income-tax Act, 1961, in the case of a person "
              "referred to in clause (b) of sub-rule (1) of rule 6G", True)
    + "<p></p>\n"
    + para("1. $#$IWe$#$ have examined the balance sheet as on $#$BSDate$#$, and the $#$PLType$#$ for the "
           "period beginning from $#$PStart Date$#$ to ending on $#$PEnd Date$#$, attached herewith, of "
           "<b>$#$Name$#$</b>, $#$Address$#$, PAN : <b>$#$PAN$#$</b>.")
    + para("2. $#$IWe$#$ certify that the balance sheet and the $#$PLType$#$ are in agreement with the "
           "books of account maintained at the head office at $#$HOAdd$#$ and $#$NoBranch$#$ branches.")
    + para("3. (a) $#$IWe$#$ report the following observations/comments/discrepancies/inconsistencies; "
           "if any: $#$ObsComDisInc$#$")
    + para("(b) Subject to above,-", indent=30)
    + para("(A) $#$IWe$#$ have obtained all the information and explanations which, to the best of "
           "$#$MyOur$#$ knowledge and belief, were necessary for the purpose of the audit.", indent=30)
    + para("(B) In $#$MyOur$#$ opinion, proper books of account have been kept by the head office and "
           "branches of the assessee so far as appears from $#$MyOur$#$ examination of the books.",
           indent=30)
    + para("(C) In $#$MyOur$#$ opinion and to the best of $#$MyOur$#$ information and according to the "
           "explanations given to $#$MeUs$#$, the said accounts, read with notes thereon, if any, give a "
           "true and fair view:-", indent=30)
    + para("(i) in the case of the balance sheet, of the state of the affairs of the assessee as at "
           "$#$BSYear$#$; and", indent=60)
    + para("(ii) in the case of the $#$PLType$#$, of the $#$ProLos$#$ of the assessee for the year ended "
           "on that date.", indent=60)
    + para("4. The statement of particulars required to be furnished under section 44AB is annexed "
           "herewith in Form No. 3CD.")
    + para("5. In $#$MyOur$#$ opinion and to the best of $#$MyOur$#$ information and according to "
           "explanations given to $#$MeUs$#$, the particulars given in the said Form No. 3CD and the "
           "Annexure thereto are true and correct subject to the following observations/qualifications, "
           "if any:")
    + QUALIFICATIONS
    + "<p></p>\n"
    + ACCOUNTANT
)

# ---------------------------------------------------------------- Form 3CD


def clause_number(key):
    return re.match(r"\d+", key).group(0)


def shown_columns(control):
    return [c for c in control.get("columns", []) if not c.get("hidden")]


def content_width(clause):
    width = 2
    for control in clause.get("controls", []):
        if control["type"] == "grid":
            m = len(shown_columns(control))
            width = max(width, m + 1 if m <= MAX_COLUMNS_ACROSS else 3)
    return width


def markers(clause):
    controls = clause.get("controls", [])
    return ["Annex" + c["point"] for c in controls] if controls else ["Annex" + clause["key"]]


def page(number):
    return next(p for p in CATALOGUE["pages"] if p["page"] == number)


def part_a(ruled):
    p2 = {c["key"]: c for c in page(2)["clauses"]}
    lines = [
        ("1", "Name of the assessee", "<b>$#$Name$#$</b>"),
        ("2", "Address", "$#$Address$#$"),
        ("3", "Permanent Account Number (PAN) or Aadhaar Number (if PAN not available)", "<b>$#$PAN$#$</b>"),
        ("4", e(p2["4"]["caption"]), "$#$4YN$#$<br/>$#$4DET$#$"),
        ("5", "Status", "$#$Status$#$"),
        ("6", "Previous year", "$#$Previous Year$#$"),
        ("7", "Assessment year", "$#$Assessment Year$#$"),
        ("8", e(p2["8"]["caption"]), "$#$8DET$#$"),
        ("8a", e(p2["8a"]["caption"]), "$#$8AYN$#$<br/>$#$8ADET$#$"),
    ]
    rows = [row([(f"<b>{n}</b>", 1, 8, ""), (caption, 1, 52, ""), (value, 1, 40, "")])
            for n, caption, value in lines]
    return table(rows, [8, 52, 40], ruled)


# The clauses whose answer the template shows by a marker of its own beside the caption.
ANSWER_MARKERS = {"30C": "$#$30CYN$#$", "44": "$#$44YN$#$"}


def group_table(clauses, ruled, caption_style):
    k = max(content_width(c) for c in clauses)
    share = 92 // k
    widths = [8] + [share] * (k - 1) + [92 - share * (k - 1)]
    rows = []
    for clause in clauses:
        caption = e(clause["caption"])
        if clause["key"] in ANSWER_MARKERS:
            caption += " " + ANSWER_MARKERS[clause["key"]]
        rows.append(row([(f"<b>{e(clause['label'])}</b>", 1, 8, ""),
                         (f"<span style=\"{caption_style}\">{caption}</span>", k, 92, "justify")]))
        for marker in markers(clause):
            rows.append(row([("", 1, 8, ""), (marker, k, 92, "")]))
    return table(rows, widths, ruled)


def part_b(ruled, caption_style):
    out = ""
    group = []
    for number in range(3, 21):
        for clause in page(number)["clauses"]:
            if group and clause_number(group[-1]["key"]) != clause_number(clause["key"]):
                out += group_table(group, ruled, caption_style) + "<p style=\"margin:0px;\"></p>\n"
                group = []
            group.append(clause)
    return out + group_table(group, ruled, caption_style)


def signature():
    assessee = ("$#$Firm Name$#$<br/><br/><br/>$#$Signatory - Name$#$<br/>$#$Designation$#$<br/>"
                "$#$DIN$#$")
    return table([row([(assessee, 1, 50, ""), ("For $#$Auditor - Firm Name$#$<br/>Chartered Accountants"
                                               "<br/><br/><br/>$#$Auditor - Name$#$<br/>$#$PartProp$#$<br/>"
                                               "M. No. : $#$MemNo$#$<br/>FRN : $#$FirmNo$#$<br/>"
                                               "$#$Auditor - Address$#$<br/>$#$Phone$#$<br/>$#$eMail$#$", 1, 50,
                                               "")]),
                  row([("Place : $#$Place$#$<br/>Date&nbsp;&nbsp;&nbsp;: $#$Date$#$", 1, 50, ""), ("", 1, 50, "")])],
                 [50, 50], False)


def annexure():
    k = ANNEXURE_COLUMNS
    share = 92 // k
    widths = [8] + [share] * (k - 1) + [92 - share * (k - 1)]
    rows = [row([("<b>ANNEXURE TO FORM NO. 3CD</b>", k + 1, 100, "center")]),
            row([("", 1, 8, ""), ("$#$ANX", k, 92, "")])]
    return table(rows, widths, False, " page-break-before:always;")


def form_3cd(ruled, caption_style):
    return (
        "<p align=\"right\" style=\"margin-top:0px; margin-bottom:6px;\"><b>$#$UDIN$#$</b></p>\n"
        + centred("FORM NO. 3CD", True)
        + centred("[See rule 6G(2)]")
        + centred("Statement of particulars required to be furnished under section 44AB of the "
                  "Income-tax Act, 1961", True)
        + centred("PART - A", True)
        + part_a(ruled)
        + centred("PART - B", True)
        + part_b(ruled, caption_style)
        + para("$#$RMK", align="left")
        + "<p></p>\n"
        + signature()
        + annexure()
    )


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    files = {
        "3CA_2024.rtf": document(FORM_3CA),
        "3CB_2024.rtf": document(FORM_3CB),
        # Every clause boxed: the captions and the answers in one ruled table per clause group.
        "3CD_2024_1.rtf": document(form_3cd(True, "")),
        # Captions unruled; only the tables of rows the report fills in are ruled.
        "3CD_OF1_2024_1.rtf": document(form_3cd(False, "")),
        # The older typed layout: a serif type, captions in italics, rows ruled as they are filled.
        "3CD_OF2_2024_1.rtf": document(form_3cd(False, "font-style:italic;"), font="DejaVu Serif"),
    }
    for name, text in files.items():
        (OUT / name).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
