#!/usr/bin/env python3
"""Writes our JSON Schemas of the Form 3CA-3CD and Form 3CB-3CD e-filing files.

The department's published schema files may not be shipped, so the installation carries
its own: data/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json and
.../FORM3CB3CD/FORM3CB3CD_MainSchema.json (JSON Schema draft 4, with "definitions" and
"$ref" as the department's files are written). The Form 3CD part follows the clause
catalogue (data/catalogue/form3cd.json), whose JSON blocks drive the writer, and the
code lists of the catalogue and of the look-up tables; the frame is described here. A
member the catalogue marks "optional" is one the department leaves out when it is blank,
so it is not required. Run it again whenever the catalogue's JSON blocks or code
tables change:

    scripts/make-json-schemas.py
"""

import csv
import json
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")

# Real calendar dates only: thirty days hath September, and 29 February in leap years.
CALENDAR_DATE = (
    r"[0-9]{4}-(0[13578]|1[02])-(0[1-9]|[12][0-9]|3[01])"
    r"|[0-9]{4}-(0[469]|11)-(0[1-9]|[12][0-9]|30)"
    r"|[0-9]{4}-02-(0[1-9]|1[0-9]|2[0-8])"
    r"|([0-9]{2}(0[48]|[2468][048]|[13579][26])|([02468][048]|[13579][26])00)-02-29"
)
DATE = r"^(" + CALENDAR_DATE + r")?$"
PAN = r"^[A-Z]{5}[0-9]{4}[A-Z]$"
PAN_IF_ANY = r"^([A-Z]{5}[0-9]{4}[A-Z])?$"
AADHAAR_IF_ANY = r"^([2-9][0-9]{11})?$"
TAN = r"^[A-Z]{4}[0-9]{5}[A-Z]$"
PIN = r"^[0-9A-Za-z -]{1,10}$"
COUNTRY = r"^[0-9]{1,4}$"
BASE64_CSV = r"^data:application/vnd\.ms-excel;base64,[A-Za-z0-9+/]"


def lookup(table, column, where=None):
    with open(os.path.join(DATA, "lookups", table + ".csv"), encoding="utf-8") as f:
        return [row[column] for row in csv.DictReader(f) if where is None or where(row)]


CATALOGUE = json.load(open(os.path.join(DATA, "catalogue", "form3cd.json"), encoding="utf-8"))
CODES = {name: [e["code"] for e in entries] for name, entries in CATALOGUE["codeTables"].items()}
STATES = lookup("po_state", "state_cd")
SECTORS = lookup("annex_sector", "Code", lambda r: r["MasterCode"] == "-1")
ACTS = ["%02d" % i for i in range(1, len(lookup("annex_3cd21combo", "Text", lambda r: r["Point"] == "1Act")) + 1)]


SOFTWARE_ID = "Software id must be SW and eight digits"
DATE_WORDS = "A date must be a real calendar date written yyyy-mm-dd"


def ref(name):
    return {"$ref": "#/definitions/" + name}


def string(pattern=None, enum=None, words=None):
    """A text member; `words` says what the pattern asks, for the program's findings."""
    s = {"type": "string"}
    if pattern:
        s["pattern"] = pattern
    if words:
        s["description"] = words
    if enum is not None:
        s["enum"] = enum
    return s


def obj(properties, required=None):
    s = {"type": "object", "additionalProperties": False, "properties": properties}
    req = list(properties) if required is None else required
    if req:
        s["required"] = req
    return s


def array(items):
    return {"type": "array", "minItems": 1, "items": items}


def address_detail(required_codes):
    """An address; the locality and post-office codes are required where named."""
    return obj(
        {
            "AddrDetail1": {"type": "string", "minLength": 1},
            "AddrDetail2": {"type": "string"},
            "CityOrTownOrDistrict": {"type": "string", "minLength": 1},
            "LocalityOrArea": {"type": "string"},
            "LocalityOrAreaName": {"type": "string"},
            "PostOffice": {"type": "string"},
            "PostOfficeName": {"type": "string"},
            "StateCode": ref("AddressStateCode"),
            "CountryCode": string(COUNTRY, words="Country code must be one to four digits"),
            "PinCode": string(PIN, words="PIN code must be up to ten letters, digits, blanks or hyphens"),
        },
        # Names of the locality and post office go with an Indian address only.
        ["AddrDetail1", "AddrDetail2", "CityOrTownOrDistrict"] + required_codes + ["StateCode", "CountryCode", "PinCode"],
    )


COMMON = {
    "Date": string(DATE, words=DATE_WORDS),
    "PAN": string(PAN, words="PAN must be five letters, four digits and a letter"),
    "PANIfAny": string(PAN_IF_ANY, words="PAN must be five letters, four digits and a letter, or left blank"),
    "AadhaarIfAny": string(AADHAAR_IF_ANY,
                           words="Aadhaar number must be twelve digits, the first neither 0 nor 1, or left blank"),
    "TAN": string(TAN, words="TAN must be four letters, five digits and a letter"),
    "YesNo": string(enum=["Y", "N", "X"]),
    "Amount": {"type": "number"},
    "StateCode": string(enum=STATES),
    "AddressStateCode": string(enum=STATES + ["99"]),
    "AddressDetail": address_detail(["LocalityOrArea", "PostOffice"]),
    # Outside Part A the department leaves out the locality and post office.
    "OtherAddressDetail": address_detail([]),

    "CsvDtls": obj(
        {
            "Attachment": obj(
                {
                    "encodedData": string(BASE64_CSV, words="An attachment must be a CSV file encoded as Base64"),
                    "mimetype": string(enum=["text/csv"]),
                    "hash": {"type": "string"},
                },
                ["mimetype", "hash"],
            ),
            "HasMoreThan500": string(enum=["true", "false"]),
        }
    ),
}


def text_schema(name):
    """A text member; identity numbers by their names."""
    if name == "PAN":
        return ref("PAN")
    if name == "TAN":
        return ref("TAN")
    if name == "AadhaarCardNo":
        return ref("AadhaarIfAny")
    if re.search(r"PAN|Pan", name):
        return ref("PANIfAny")
    return {"type": "string"}


def member_schema(m, definitions):
    kind = m.get("as", "const" if "const" in m else None)
    name = m["name"]
    if kind == "const":
        return string(enum=[m["const"]])
    if kind == "text":
        return text_schema(name)
    if kind == "amount":
        return ref("Amount")
    if kind in ("number", "year"):
        return {"type": "integer", "minimum": 0}
    if kind == "percent":
        return {"type": "number", "minimum": 0}
    if kind == "act":
        return string(enum=ACTS)
    if kind in ("date", "yearEnd"):
        return ref("Date")
    if kind == "yesno":
        return ref("YesNo")
    if kind == "code":
        return {"type": "string"} if m.get("unmatched") == "stored" else string(enum=CODES[m["table"]])
    if kind == "sector":
        return string(enum=SECTORS)
    if kind == "state":
        return ref("StateCode")
    if kind == "blockId":
        return string(enum=CODES[m["table"]])
    if kind == "blockMethod":
        return string(enum=["WDV", "SLM"])
    if kind == "assessmentYear":
        return string(r"^[0-9]{4}-[0-9]{2}$", words="Assessment year must be written yyyy-yy")
    if kind == "auditor":
        return {"StateCode": ref("StateCode"), "PinCode": string(r"^[1-9][0-9]{5}$", words="PIN code must be six digits, the first not 0")}.get(name, {"type": "string"})
    if kind == "name":
        # Only the last name is required: the department leaves out a blank first and middle name.
        return obj({n: {"type": "string"} for n in m["names"]}, m["names"][-1:])
    if kind == "address":
        return ref("AddressDetail" if m.get("point") == "@declaration" else "OtherAddressDetail")
    if kind == "table":
        return array(element_schema([m["members"]], definitions))
    if kind == "object":
        return element_schema([m["members"]], definitions)
    if kind == "csvList":
        return obj({"CsvDtls": ref("CsvDtls"), m["element"]: array(element_schema([m["fields"]], definitions))})
    raise SystemExit("no schema for member %s (%s)" % (name, kind))


# Members the writer leaves out when they have nothing to say: nested tables and lists.
OPTIONAL_KINDS = ("table", "csvList")


def element_schema(member_lists, definitions, inside=None):
    """One object of a block; several parts add their members (fixed values merge)."""
    properties = dict(inside or {})
    seen_in = {}
    for members in member_lists:
        for m in members:
            schema = member_schema(m, definitions)
            if m["name"] in properties and "enum" in schema and "const" in m:
                properties[m["name"]]["enum"] = sorted(set(properties[m["name"]]["enum"] + schema["enum"]))
            else:
                properties.setdefault(m["name"], schema)
            if m.get("as") not in OPTIONAL_KINDS and not m.get("optional"):
                seen_in[m["name"]] = seen_in.get(m["name"], 0) + 1
    required = [n for n in properties if seen_in.get(n, 0) == len(member_lists)]
    return obj(properties, required)


def block_schema(block, definitions):
    member_lists = [p["members"] for p in block["parts"]]
    shape = block["shape"]
    if shape == "object":
        return element_schema(member_lists, definitions, definitions_inside(block, definitions))
    if shape == "objectInArray":
        return {"type": "array", "minItems": 1, "maxItems": 1, "items": element_schema(member_lists, definitions)}
    if shape in ("value",):
        return member_schema(block["parts"][0]["members"][0], definitions)
    if shape == "valueArray":
        return {"type": "array", "minItems": 1, "maxItems": 1,
                "items": member_schema(block["parts"][0]["members"][0], definitions)}
    element_name = block["member"] + "Element"
    definitions[element_name] = element_schema(member_lists, definitions)
    element = ref(element_name)
    if shape == "array":
        return array(element)
    if shape == "objectWithArray":
        inside = definitions_inside(block, definitions)
        return obj(dict({block["element"]: array(element)}, **inside), [block["element"]])
    if shape == "arrayOfWrapped":
        return array(obj({block["element"]: element}))
    if shape == "arrayOfListed":
        return array(obj({block["element"]: {"type": "array", "minItems": 1, "maxItems": 1, "items": element}}))
    if shape == "arrayWithKey":
        keyed = definitions[element_name]
        key = set(block["key"])
        inner = {n: v for n, v in keyed["properties"].items() if n in key}
        rest = {n: v for n, v in keyed["properties"].items() if n not in key}
        definitions[element_name] = obj(
            dict({block["element"]: obj(inner, [n for n in keyed.get("required", []) if n in key])}, **rest),
            [block["element"]] + [n for n in keyed.get("required", []) if n not in key])
        return array(element)
    if shape == "csv":
        # The department's utility writes an attachment without rows as an empty list.
        return obj({"CsvDtls": ref("CsvDtls"), block["element"]: {"type": "array", "items": element}})
    raise SystemExit("unknown shape " + shape)


def definitions_inside(block, definitions):
    """The blocks the writer puts inside this block's object."""
    return {b["member"]: block_schema(b, definitions) for b in CATALOGUE["json"] if b.get("within") == block["member"]}


def always_written(block):
    """Blocks the writer writes for every report: single values without a gate or point."""
    parts = block["parts"]
    if block["shape"] == "object":
        return all(not p.get("point") and not p.get("gate") for p in parts)
    return any(p.get("always") and not p.get("gate") for p in parts)


def schema(form):
    definitions = dict(COMMON)
    key = "F3CA" if form == "3CA" else "F3CB"
    properties = {
        "CreationInfo": obj({
            "SWVersionNo": {"type": "string", "minLength": 1},
            # Each software writes its own id.
            "SWCreatedBy": string(r"^SW[0-9]{8}$", words=SOFTWARE_ID),
            "JSONCreatedBy": string(r"^SW[0-9]{8}$", words=SOFTWARE_ID),
            "JSONCreationDate": string("^(" + CALENDAR_DATE + ")$", words=DATE_WORDS),
            "IntermediaryCity": {"type": "string"},
        }),
        "Form_Details": obj({
            # Other software writes "FORM3CA" without our trailing blank.
            "FormName": string(enum=["FORM3CA ", "FORM3CA"] if form == "3CA" else ["FORM3CB", "FORM3CB "]),
            "Description": {"type": "string"},
            "AssessmentYear": string(r"^[0-9]{4}$", words="Assessment year must be four digits"),
            "SchemaVer": {"type": "string"},
            "FormVer": {"type": "string"},
        }),
        "Declaration": ref("Declaration"),
    }
    definitions["Declaration"] = block_schema(CATALOGUE["declaration"][form], definitions)
    required = list(properties)
    for block in CATALOGUE["json"]:
        if block.get("within"):
            continue
        properties[block["member"]] = block_schema(block, definitions)
        if always_written(block):
            required.append(block["member"])
    properties["assignFlag"] = string(enum=["Y", "N"])
    properties["type"] = string(enum=CODES["taxRegimeSection"])
    required.append("assignFlag")
    root = "FORM" + form
    return {
        "$schema": "http://json-schema.org/draft-04/schema#",
        "title": "Form %s-3CD e-filing JSON" % form,
        "description": "Written by scripts/make-json-schemas.py from the clause catalogue; do not edit by hand.",
        "type": "object",
        "additionalProperties": False,
        "required": [root],
        "properties": {root: obj({key: ref(key)})},
        "definitions": dict(definitions, **{key: obj(properties, required)}),
    }


def main():
    for form in ("3CA", "3CB"):
        folder = os.path.join(DATA, "3CDFiles", "JSONSchema", "FORM%s3CD" % form)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "FORM%s3CD_MainSchema.json" % form)
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            json.dump(schema(form), f, indent=2, ensure_ascii=False)
            f.write("\n")
        print(path)


if __name__ == "__main__":
    main()
