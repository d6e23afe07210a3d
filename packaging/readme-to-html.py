#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the README into the installed manual: one HTML page that F1 opens.

    readme-to-html.py README.md lumora.html

Pictures are looked for in screenshots/ beside the page, where the install
puts them; links to files that are not installed become plain text.
"""
import re
import sys

import markdown


def main(source, target):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    body = markdown.markdown(text, extensions=["tables", "fenced_code"], output_format="html")
    body = body.replace('src="docs/screenshots/', 'src="screenshots/')
    body = re.sub(r'<a href="(?![a-z]+:|#)[^"]*">(.*?)</a>', r"\1", body)
    page = f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Lumora</title>
<style>
body {{ max-width: 50em; margin: 2em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.5; }}
table {{ border-collapse: collapse; }}
th, td {{ border: 1px solid #999; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }}
code, pre {{ background: #eee; }}
pre {{ padding: 0.5em; overflow-x: auto; }}
img {{ max-width: 100%; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""
    with open(target, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
