<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>WholeFile</name>
    <message>
        <source>資料夾不存在</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>沒有寫入權限</source>
        <translation>No permission to write</translation>
    </message>
    <message>
        <source>磁碟空間不足</source>
        <translation>The disk is full</translation>
    </message>
</context>
</TS>
