#!/usr/bin/env python3
"""Writes our JSON Schemas of the Form 3CA-3CD and Form 3CB-3CD e-filing files.

The department's published schema files may not be shipped, so the installation carries
its own: data/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json and
.../FORM3CB3CD/FORM3CB3CD_MainSchema.json (JSON Schema draft 4, with "definitions" and
"$ref" as the department's files are written). The Form 3CD part follows the clause
catalogue (data/catalogue/form3cd.json), whose JSON blocks drive the writer, and the
code lists of the catalogue and of the look-up tables; the frame and the declaration
blocks are described here. Run it again whenever the catalogue's JSON blocks or code
tables change:

    scripts/make-json-schemas.py
"""

import csv
import json
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")

DATE = r"^([0-9]{4}-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01]))?$"
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


def ref(name):
    return {"$ref": "#/definitions/" + name}


def string(pattern=None, enum=None):
    s = {"type": "string"}
    if pattern:
        s["pattern"] = pattern
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


COMMON = {
    "Date": string(DATE),
    "PAN": string(PAN),
    "PANIfAny": string(PAN_IF_ANY),
    "AadhaarIfAny": string(AADHAAR_IF_ANY),
    "TAN": string(TAN),
    "YesNo": string(enum=["Y", "N", "X"]),
    "Amount": {"type": "number"},
    "StateCode": string(enum=STATES),
    "AddressStateCode": string(enum=STATES + ["99"]),
    "AddressDetail": obj(
        {
            "AddrDetail1": {"type": "string", "minLength": 1},
            "AddrDetail2": {"type": "string"},
            "CityOrTownOrDistrict": {"type": "string", "minLength": 1},
            "LocalityOrArea": {"type": "string"},
            "LocalityOrAreaName": {"type": "string"},
            "PostOffice": {"type": "string"},
            "PostOfficeName": {"type": "string"},
            "StateCode": ref("AddressStateCode"),
            "CountryCode": string(COUNTRY),
            "PinCode": string(PIN),
        },
        # Names of the locality and post office go with an Indian address only.
        ["AddrDetail1", "AddrDetail2", "CityOrTownOrDistrict", "LocalityOrArea", "PostOffice", "StateCode",
         "CountryCode", "PinCode"],
    ),
    "CsvDtls": obj(
        {
            "Attachment": obj(
                {
                    "encodedData": string(BASE64_CSV),
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
    if kind == "number":
        return {"type": "integer", "minimum": 0}
    if kind == "date":
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
        return string(r"^[0-9]{4}-[0-9]{2}$")
    if kind == "auditor":
        return {"StateCode": ref("StateCode"), "PinCode": string(r"^[1-9][0-9]{5}$")}.get(name, {"type": "string"})
    if kind == "name":
        return obj({n: {"type": "string"} for n in m["names"]})
    if kind == "address":
        return ref("AddressDetail")
    if kind == "table":
        return array(element_schema([m["members"]], definitions))
    if kind == "object":
        return element_schema([m["members"]], definitions)
    if kind == "csvList":
        return obj({"CsvDtls": ref("CsvDtls"), m["element"]: array(element_schema([m["fields"]], definitions))})
    raise SystemExit("no schema for member %s (%s)" % (name, kind))


# Members the writer leaves out when they have nothing to say: nested tables and lists.
OPTIONAL_KINDS = ("table", "csvList")


def element_schema(member_lists, definitions):
    """One object of a block; several parts add their members (fixed values merge)."""
    properties = {}
    seen_in = {}
    for members in member_lists:
        for m in members:
            schema = member_schema(m, definitions)
            if m["name"] in properties and "enum" in schema and "const" in m:
                properties[m["name"]]["enum"] = sorted(set(properties[m["name"]]["enum"] + schema["enum"]))
            else:
                properties.setdefault(m["name"], schema)
            if m.get("as") not in OPTIONAL_KINDS:
                seen_in[m["name"]] = seen_in.get(m["name"], 0) + 1
    required = [n for n in properties if seen_in.get(n, 0) == len(member_lists)]
    return obj(properties, required)


def block_schema(block, definitions):
    member_lists = [p["members"] for p in block["parts"]]
    shape = block["shape"]
    if shape == "object":
        return element_schema(member_lists, definitions)
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
        return obj({block["element"]: array(element)})
    if shape == "arrayOfWrapped":
        return array(obj({block["element"]: element}))
    if shape == "csv":
        return obj({"CsvDtls": ref("CsvDtls"), block["element"]: array(element)})
    raise SystemExit("unknown shape " + shape)


def always_written(block):
    """Blocks the writer writes for every report: single values without a gate or point."""
    parts = block["parts"]
    if block["shape"] == "object":
        return all(not p.get("point") and not p.get("gate") for p in parts)
    return any(p.get("always") and not p.get("gate") for p in parts)


OBSERVATIONS = array(obj({
    "ObservationsCode": string(enum=CODES["observation"]),
    "ObservationsVal": {"type": "string"},
}))


def choices(*names):
    return {n: {"type": "string"} for n in names}


def declaration_3ca():
    point1 = {
        "I_We1": {"type": "string"},
        "AssesseeName": ref("AssesseeName"),
        "AddressDetail": ref("AddressDetail"),
        "PAN": ref("PAN"),
        "AadhaarCardNo": string(r"^[2-9][0-9]{11}$"),
        "Me_Us_Ms": {"type": "string"},
        "CA_FirmName": {"type": "string"},
        "Act": string(enum=ACTS),
        "Other_Act": {"type": "string"},
        "I_We2": {"type": "string"},
        "My_Our_Their": {"type": "string"},
        "AuditDated": ref("Date"),
        "DateofsigningTaxAuditReport": ref("Date"),
        "PointA": obj({
            "TypeOfAccount": {"type": "string"},
            "AuditStartDate": ref("Date"),
            "AuditEndDate": ref("Date"),
            "AuditYearDate": ref("Date"),
        }),
        "PointC": {"type": "string"},
    }
    point3 = dict(choices("My_Our1", "My_Our2", "Me_Us"), Observations=OBSERVATIONS)
    return obj({
        "Point1": obj(point1, [n for n in point1 if n != "AadhaarCardNo"]),
        "Point3": obj(point3, ["My_Our1", "My_Our2", "Me_Us"]),
    })


def declaration_3cb():
    point1 = {
        "I_We": {"type": "string"},
        "DateofsigningTaxAuditReport": ref("Date"),
        "Year": {"type": "integer", "minimum": 1900},
        "TypeOfAccount": {"type": "string"},
        "StartDate": ref("Date"),
        "EndDate": ref("Date"),
        "AssesseeName": ref("AssesseeName"),
        "AddressDetail": ref("AddressDetail"),
        "AadhaarCardNo": string(r"^[2-9][0-9]{11}$"),
        "PAN": ref("PAN"),
    }
    point5 = dict(choices("My_Our1", "My_Our2", "Me_Us"), Observations=OBSERVATIONS)
    return obj({
        # Form 3CB may be filed before it is signed; Aadhaar only where there is one.
        "Point1": obj(point1, [n for n in point1 if n not in ("DateofsigningTaxAuditReport", "AadhaarCardNo")]),
        "Point2": obj({
            "I_We": {"type": "string"},
            "TypeOfAccount": {"type": "string"},
            "HeadOfficeLocation": {"type": "string"},
            "NumberOfBrances": {"type": "integer", "minimum": 0},
        }),
        "Point3": obj({
            "PointA": obj(choices("I_We", "OCDI_Description")),
            "PointB_A": obj(choices("I_We", "My_Our")),
            "PointB_B": obj(choices("My_Our1", "My_Our2")),
            "PointB_C": obj(choices("My_Our1", "My_Our2", "Me_Us")),
            "PointFirst": {"type": "string"},
            "PointSecond": obj(choices("typeOfAccount", "PLSD")),
        }),
        "Point5": obj(point5, ["My_Our1", "My_Our2", "Me_Us"]),
    })


def schema(form):
    definitions = dict(COMMON)
    definitions["AssesseeName"] = obj(choices("FirstName", "MiddleName", "LastName"))
    key = "F3CA" if form == "3CA" else "F3CB"
    properties = {
        "CreationInfo": obj({
            "SWVersionNo": {"type": "string", "minLength": 1},
            "SWCreatedBy": string(enum=["SW90000417"]),
            "JSONCreatedBy": string(enum=["SW90000417"]),
            "JSONCreationDate": string(r"^[0-9]{4}-[0-9]{2}-[0-9]{2}$"),
            "IntermediaryCity": {"type": "string"},
        }),
        "Form_Details": obj({
            "FormName": string(enum=["FORM3CA " if form == "3CA" else "FORM3CB"]),
            "Description": {"type": "string"},
            "AssessmentYear": string(r"^[0-9]{4}$"),
            "SchemaVer": {"type": "string"},
            "FormVer": {"type": "string"},
        }),
        "Declaration": ref("Declaration"),
    }
    definitions["Declaration"] = declaration_3ca() if form == "3CA" else declaration_3cb()
    required = list(properties)
    for block in CATALOGUE["json"]:
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
