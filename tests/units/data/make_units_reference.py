#!/usr/bin/python3
"""Writes unit_factors_reference.txt: every unit's factor of the shipped unit table as GNU
units computes it, the independent reference of the unit-table test.

    apt-get install units
    /usr/bin/python3 tests/units/data/make_units_reference.py

For each quantity the table below names the reference unit and every unit as a GNU units
expression, written from GNU units' own unit names (inch, lbf, btu, mmHg ...). Units GNU
units does not know (the market units of China, 市尺, 市斤, 市亩 ...) are written from their
legal definitions in metres and kilograms. The factor is how many of a unit make one reference
unit: `units -t REFERENCE UNIT`. Output: GBK lines "quantity`unit`factor" with CR LF.
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.join(HERE, "..", "..", "..", "data", "zarnix度量衡.thf")
OUT = os.path.join(HERE, "unit_factors_reference.txt")

# quantity: (reference, {unit: expression})
UNITS = {
    "长度": ("m", {
        "米": "m", "千米": "km", "公里": "km", "分米": "dm", "厘米": "cm", "毫米": "mm",
        "微米": "micron", "纳米": "nm", "埃": "angstrom", "英寸": "inch", "英尺": "foot",
        "码": "yard", "英里": "mile", "海里": "nauticalmile", "密耳": "mil", "链": "chain",
        "弗隆": "furlong", "天文单位": "au", "光年": "lightyear", "秒差距": "648000 au/pi",
        "市里": "500 m", "市引": "100|3 m", "丈": "10|3 m", "市尺": "1|3 m", "市寸": "1|30 m",
        "市分": "1|300 m", "市厘": "1|3000 m"}),
    "面积": ("m^2", {
        "平方米": "m^2", "平方千米": "km^2", "公顷": "hectare", "公亩": "are", "平方分米": "dm^2",
        "平方厘米": "cm^2", "平方毫米": "mm^2", "平方英寸": "inch^2", "平方英尺": "ft^2",
        "平方码": "yd^2", "英亩": "acre", "平方英里": "mile^2", "市亩": "10000|15 m^2",
        "市顷": "1000000|15 m^2", "平方市尺": "(1|3 m)^2", "平方丈": "(10|3 m)^2"}),
    "体积": ("m^3", {
        "立方米": "m^3", "升": "liter", "毫升": "ml", "立方分米": "dm^3", "立方厘米": "cc",
        "立方毫米": "mm^3", "立方千米": "km^3", "立方英寸": "inch^3", "立方英尺": "ft^3",
        "立方码": "yd^3", "美制加仑": "usgallon", "英制加仑": "brgallon", "美制夸脱": "quart",
        "美制品脱": "pint", "英制品脱": "brpint", "美制液量盎司": "floz",
        "英制液量盎司": "brfloz", "石油桶": "bbl", "美制蒲式耳": "bushel",
        "英亩英尺": "acrefoot", "市石": "100 liter", "市斗": "10 liter", "市升": "liter"}),
    "质量": ("kg", {
        "千克": "kg", "公斤": "kg", "克": "g", "毫克": "mg", "微克": "microgram", "吨": "tonne",
        "公担": "quintal", "克拉": "carat", "磅": "lb", "盎司": "oz", "格令": "grain",
        "金衡盎司": "ozt", "英石": "stone", "短吨": "shortton", "长吨": "longton",
        "英担": "longhundredweight", "美担": "shorthundredweight", "市担": "50 kg",
        "市斤": "catty", "市两": "catty/10", "市钱": "catty/100", "原子质量单位": "u"}),
    "时间": ("s", {
        "秒": "s", "毫秒": "ms", "微秒": "microsecond", "纳秒": "ns", "分钟": "minute",
        "小时": "hour", "天": "day", "星期": "week", "年": "365 day", "儒略年": "julianyear",
        "世纪": "100 julianyear"}),
    "速度": ("m/s", {
        "米每秒": "m/s", "千米每小时": "km/hour", "千米每秒": "km/s", "厘米每秒": "cm/s",
        "英尺每秒": "ft/s", "英尺每分钟": "ft/min", "英里每小时": "mph", "节": "knot",
        "光速": "c"}),
    "加速度": ("m/s^2", {
        "米每二次方秒": "m/s^2", "伽": "galileo", "毫伽": "milligalileo", "标准重力加速度": "gravity",
        "英尺每二次方秒": "ft/s^2", "英寸每二次方秒": "inch/s^2"}),
    "力": ("N", {
        "牛顿": "N", "千牛": "kN", "毫牛": "mN", "达因": "dyne", "千克力": "kgf", "克力": "gram force",
        "吨力": "tonne force", "磅力": "lbf", "盎司力": "ounce force", "千磅力": "kip",
        "磅达": "poundal"}),
    "压强": ("Pa", {
        "帕斯卡": "Pa", "百帕": "hPa", "千帕": "kPa", "兆帕": "MPa", "巴": "bar", "毫巴": "mbar",
        "标准大气压": "atm", "工程大气压": "at", "千克力每平方厘米": "kgf/cm^2", "毫米汞柱": "mmHg",
        "托": "torr", "英寸汞柱": "inHg", "毫米水柱": "mmH2O", "磅力每平方英寸": "psi",
        "磅力每平方英尺": "lbf/ft^2"}),
    "能量": ("J", {
        "焦耳": "J", "千焦": "kJ", "兆焦": "MJ", "瓦时": "W hour", "千瓦时": "kWh", "卡": "cal",
        "千卡": "kcal", "国际蒸汽表卡": "calorie_IT", "英热单位": "btu", "电子伏特": "eV",
        "尔格": "erg", "千克力米": "kgf m", "英尺磅力": "ft lbf", "马力小时": "hp hour",
        "吨标准煤": "29.3076 GJ", "吨TNT当量": "ton tnt"}),
    "功率": ("W", {
        "瓦特": "W", "毫瓦": "mW", "千瓦": "kW", "兆瓦": "MW", "公制马力": "metrichorsepower",
        "英制马力": "hp", "千卡每小时": "kcal/hour", "英热单位每小时": "btu/hour",
        "千克力米每秒": "kgf m/s", "尔格每秒": "erg/s", "冷吨": "tonrefrigeration"}),
    "角度": ("radian", {
        "弧度": "radian", "度": "degree", "角分": "arcmin", "角秒": "arcsec", "百分度": "gon",
        "圈": "circle", "密位": "circle/6000", "毫弧度": "milliradian"}),
    "角速度": ("radian/s", {
        "弧度每秒": "radian/s", "度每秒": "degree/s", "转每分": "rpm", "转每秒": "rev/s",
        "度每分": "degree/min"}),
    "频率": ("Hz", {
        "赫兹": "Hz", "千赫": "kHz", "兆赫": "MHz", "吉赫": "GHz", "每分钟次数": "1/min",
        "每小时次数": "1/hour"}),
    "密度": ("kg/m^3", {
        "千克每立方米": "kg/m^3", "克每立方厘米": "g/cm^3", "克每毫升": "g/ml", "克每升": "g/liter",
        "吨每立方米": "tonne/m^3", "磅每立方英尺": "lb/ft^3", "磅每立方英寸": "lb/inch^3",
        "磅每美制加仑": "lb/usgallon"}),
    "线密度": ("kg/m", {
        "千克每米": "kg/m", "克每米": "g/m", "特克斯": "tex", "分特克斯": "decitex",
        "旦尼尔": "denier", "磅每英尺": "lb/ft"}),
    "面密度": ("kg/m^2", {
        "千克每平方米": "kg/m^2", "克每平方米": "g/m^2", "磅每平方英尺": "lb/ft^2",
        "盎司每平方码": "oz/yd^2"}),
    "体积流量": ("m^3/s", {
        "立方米每秒": "m^3/s", "立方米每小时": "m^3/hour", "升每秒": "liter/s",
        "升每分钟": "liter/min", "立方英尺每秒": "ft^3/s", "立方英尺每分钟": "ft^3/min",
        "美制加仑每分钟": "usgallon/min", "石油桶每天": "bbl/day"}),
    "质量流量": ("kg/s", {
        "千克每秒": "kg/s", "千克每小时": "kg/hour", "克每秒": "g/s", "吨每小时": "tonne/hour",
        "磅每秒": "lb/s", "磅每小时": "lb/hour"}),
    "力矩": ("N m", {
        "牛顿米": "N m", "千牛米": "kN m", "千克力米": "kgf m", "磅力英尺": "lbf ft",
        "磅力英寸": "lbf inch", "达因厘米": "dyne cm"}),
    "动量": ("kg m/s", {
        "千克米每秒": "kg m/s", "牛顿秒": "N s", "达因秒": "dyne s", "千克力秒": "kgf s",
        "磅力秒": "lbf s"}),
    "动力黏度": ("Pa s", {
        "帕斯卡秒": "Pa s", "毫帕秒": "mPa s", "泊": "poise", "厘泊": "centipoise",
        "千克力秒每平方米": "kgf s/m^2", "磅力秒每平方英尺": "lbf s/ft^2",
        "磅每英尺秒": "lb/(ft s)"}),
    "运动黏度": ("m^2/s", {
        "平方米每秒": "m^2/s", "平方毫米每秒": "mm^2/s", "斯托克斯": "stokes",
        "厘斯": "centistokes", "平方米每小时": "m^2/hour", "平方英尺每秒": "ft^2/s"}),
    "热导率": ("W/(m K)", {
        "瓦特每米开尔文": "W/(m K)", "千卡每米小时摄氏度": "kcal_IT/(m hour K)",
        "卡每厘米秒摄氏度": "calorie_IT/(cm s K)",
        "英热单位每英尺小时华氏度": "btu/(ft hour degR)"}),
    "比热容": ("J/(kg K)", {
        "焦耳每千克开尔文": "J/(kg K)", "千焦每千克开尔文": "kJ/(kg K)",
        "卡每克摄氏度": "calorie_IT/(g K)", "千卡每千克摄氏度": "kcal_IT/(kg K)",
        "英热单位每磅华氏度": "btu/(lb degR)"}),
    "热流密度": ("W/m^2", {
        "瓦特每平方米": "W/m^2", "千瓦每平方米": "kW/m^2", "千卡每平方米小时": "kcal_IT/(m^2 hour)",
        "英热单位每平方英尺小时": "btu/(ft^2 hour)"}),
    "电荷量": ("C", {
        "库仑": "C", "毫库": "mC", "微库": "microcoulomb", "纳库": "nC", "皮库": "pC",
        "安培小时": "A hour", "毫安时": "mA hour", "元电荷": "e", "静库": "statcoulomb",
        "绝对库": "abcoulomb"}),
    "电流": ("A", {
        "安培": "A", "千安": "kA", "毫安": "mA", "微安": "microampere", "纳安": "nA",
        "绝对安": "abampere", "静安": "statampere"}),
    "电压": ("V", {
        "伏特": "V", "千伏": "kV", "兆伏": "MV", "毫伏": "mV", "微伏": "microvolt",
        "绝对伏": "abvolt", "静伏": "statvolt"}),
    "电阻": ("ohm", {
        "欧姆": "ohm", "千欧": "kohm", "兆欧": "Mohm", "毫欧": "mohm", "微欧": "microohm",
        "绝对欧": "abohm", "静欧": "statohm"}),
    "电导": ("S", {"西门子": "S", "毫西": "mS", "微西": "microsiemens", "姆欧": "mho"}),
    "电容": ("F", {
        "法拉": "F", "毫法": "mF", "微法": "microfarad", "纳法": "nF", "皮法": "pF",
        "绝对法": "abfarad", "静法": "statfarad"}),
    "电感": ("H", {
        "亨利": "H", "毫亨": "mH", "微亨": "microhenry", "纳亨": "nH", "绝对亨": "abhenry",
        "静亨": "stathenry"}),
    "磁通量": ("Wb", {
        "韦伯": "Wb", "毫韦伯": "mWb", "微韦伯": "microweber", "麦克斯韦": "maxwell",
        "伏特秒": "V s"}),
    "磁感应强度": ("T", {
        "特斯拉": "T", "毫特": "mT", "微特": "microtesla", "纳特": "nT", "高斯": "gauss",
        "毫高斯": "milligauss", "伽马": "1e-9 T", "韦伯每平方米": "Wb/m^2"}),
    # The oersted by its CGS definition; GNU units derives it from the measured mu0 (5E-10 apart).
    "磁场强度": ("A/m", {"安培每米": "A/m", "千安每米": "kA/m", "奥斯特": "1000 A/m / (4 pi)"}),
    "照度": ("lux", {
        "勒克斯": "lux", "千勒克斯": "kilolux", "辐透": "phot", "英尺烛光": "footcandle",
        "流明每平方米": "lm/m^2"}),
    "亮度": ("cd/m^2", {
        "坎德拉每平方米": "cd/m^2", "尼特": "nit", "熙提": "stilb", "朗伯": "lambert",
        "英尺朗伯": "footlambert", "阿熙提": "apostilb"}),
    "物质的量": ("mol", {
        "摩尔": "mol", "千摩尔": "kmol", "毫摩尔": "mmol", "微摩尔": "micromole",
        "磅摩尔": "lb mol/g"}),
    "物质的量浓度": ("mol/m^3", {
        "摩尔每立方米": "mol/m^3", "摩尔每升": "mol/liter", "毫摩尔每升": "mmol/liter",
        "微摩尔每升": "micromole/liter"}),
    "放射性活度": ("Bq", {
        "贝可勒尔": "Bq", "千贝可": "kBq", "兆贝可": "MBq", "吉贝可": "GBq", "居里": "Ci",
        "毫居里": "mCi", "微居里": "microcurie", "卢瑟福": "rutherford"}),
    "吸收剂量": ("Gy", {
        "戈瑞": "Gy", "毫戈瑞": "mGy", "焦耳每千克": "J/kg", "拉德": "rad",
        "毫拉德": "millirad"}),
    "剂量当量": ("Sv", {
        "希沃特": "Sv", "毫希沃特": "mSv", "微希沃特": "microsievert", "雷姆": "rem",
        "毫雷姆": "millirem"}),
    "信息量": ("bit", {
        "比特": "bit", "字节": "byte", "千比特": "kbit", "兆比特": "Mbit", "吉比特": "Gbit",
        "千字节": "kB", "兆字节": "MB", "吉字节": "GB", "太字节": "TB", "二进制千字节": "KiB",
        "二进制兆字节": "MiB", "二进制吉字节": "GiB", "二进制太字节": "TiB"}),
    "数据传输速率": ("bit/s", {
        "比特每秒": "bit/s", "千比特每秒": "kbit/s", "兆比特每秒": "Mbit/s",
        "吉比特每秒": "Gbit/s", "字节每秒": "byte/s", "千字节每秒": "kB/s",
        "兆字节每秒": "MB/s"}),
    "燃料消耗量": ("liter/(100 km)", {
        "升每百千米": "liter/(100 km)", "升每千米": "liter/km",
        "美制加仑每百英里": "usgallon/(100 mile)", "英制加仑每百英里": "brgallon/(100 mile)"}),
    "燃油经济性": ("km/liter", {
        "千米每升": "km/liter", "英里每美制加仑": "mile/usgallon",
        "英里每英制加仑": "mile/brgallon"}),
}


def gnu_units(have, want):
    result = subprocess.run(["units", "-t", "-d", "15", have, want], capture_output=True,
                            text=True, check=False)
    text = result.stdout.strip()
    try:
        return float(text)
    except ValueError:
        print("units cannot convert %r to %r: %s %s" % (have, want, text, result.stderr))
        return None


def table_units():
    """(quantity, unit) pairs of the shipped table, temperature left out (it uses formulas)."""
    pairs = []
    quantity = None
    with open(TABLE, "rb") as f:
        for line in f.read().decode("gbk").split("\r\n")[2:]:
            if line.startswith("["):
                quantity = line[1:line.index("]")]
            elif line and quantity != "温度":
                pairs.append((quantity, line.split("`")[0]))
    return pairs


def main():
    lines = []
    failed = False
    for quantity, unit in table_units():
        if quantity not in UNITS or unit not in UNITS[quantity][1]:
            sys.exit("no GNU units expression for %s / %s" % (quantity, unit))
        reference, expressions = UNITS[quantity]
        factor = gnu_units(reference, expressions[unit])
        if factor is None:
            failed = True
            continue
        lines.append("%s`%s`%s" % (quantity, unit, repr(factor)))
    if failed:
        sys.exit("not written")
    with open(OUT, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("gbk"))
    print("%d factors written to %s" % (len(lines), OUT))


if __name__ == "__main__":
    main()
