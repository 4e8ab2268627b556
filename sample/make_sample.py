#!/usr/bin/env python3
"""Writes the sample question bank 数据库.xls beside this script.

A real Excel 97-2003 workbook (written by python3-xlwt): sheet Sheet1 with a
header row (编号, 问题, 答案, 答案2) and a few dozen Simplified Chinese
questions; some have a second answer. Run with Debian's /usr/bin/python3.
"""
import os

import xlwt

QUESTIONS = [
    ("中国的首都是哪座城市？", "北京", "Beijing"),
    ("一年有多少个月？", "12", "十二个月"),
    ("水的化学式是什么？", "H2O", ""),
    ("长江是中国最长的河流吗？", "是", "长约6300公里"),
    ("一周有几天？", "7", "七天"),
    ("太阳从哪个方向升起？", "东方", ""),
    ("《静夜思》的作者是谁？", "李白", "唐代诗人"),
    ("三角形的内角和是多少度？", "180", "一百八十度"),
    ("地球上最大的海洋是什么？", "太平洋", ""),
    ("中国的国土面积约为多少平方公里？", "960万", "约九百六十万"),
    ("春节是农历哪一天？", "正月初一", ""),
    ("5乘以8等于多少？", "40", "四十"),
    ("光在真空中的速度约为多少？", "每秒30万公里", "3×10^8 m/s"),
    ("中国有多少个省级行政区？", "34", "23个省、5个自治区、4个直辖市、2个特别行政区"),
    ("熊猫主要吃什么？", "竹子", ""),
    ("“床前明月光”的下一句是什么？", "疑是地上霜", ""),
    ("水在标准大气压下的沸点是多少摄氏度？", "100", "一百度"),
    ("世界上最高的山峰是哪座？", "珠穆朗玛峰", "海拔8848.86米"),
    ("一个小时有多少分钟？", "60", ""),
    ("黄河流入哪个海？", "渤海", ""),
    ("圆周率π约等于多少？", "3.14", "3.1415926"),
    ("中国古代四大发明之一是什么？", "造纸术", "指南针、火药、印刷术"),
    ("人体最大的器官是什么？", "皮肤", ""),
    ("彩虹有几种颜色？", "7", "红橙黄绿青蓝紫"),
    ("百分之五十等于几分之几？", "二分之一", "1/2"),
    ("《西游记》的作者是谁？", "吴承恩", ""),
    ("一公斤等于多少克？", "1000", "一千克"),
    ("中秋节吃什么传统食品？", "月饼", ""),
    ("植物通过什么作用制造养分？", "光合作用", ""),
    ("12的平方是多少？", "144", ""),
    ("中国最大的淡水湖是哪个？", "鄱阳湖", ""),
    ("闰年的二月有多少天？", "29", "二十九天"),
]


def main():
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Sheet1")
    for column, title in enumerate(["编号", "问题", "答案", "答案2"]):
        sheet.write(0, column, title)
    for row, (question, answer, second) in enumerate(QUESTIONS, start=1):
        sheet.write(row, 0, row)
        sheet.write(row, 1, question)
        sheet.write(row, 2, answer)
        if second:
            sheet.write(row, 3, second)
    sheet.col(1).width = 256 * 40
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "数据库.xls")
    book.save(out)
    print(out)


if __name__ == "__main__":
    main()
