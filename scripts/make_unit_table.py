#!/usr/bin/python3
"""Writes data/zarnix度量衡.thf, the unit table of the unit-conversion page.

    /usr/bin/python3 scripts/make_unit_table.py

Each quantity lists its units with the size of one unit in the quantity's reference unit (the
first unit, size 1), given exactly where the unit is defined exactly (inch 0.0254 m, pound
0.45359237 kg, calorie 4.184 J ...). The file holds for every unit how many of it make one
reference unit, 1/size, to 18 significant digits. The file is GBK text with CR LF line ends:
a descriptor line, a name line, then per quantity a line "[name]``" and its unit lines
"name`symbol`factor".

tests/units/data/make_units_reference.py checks the sizes against GNU units independently.
"""
import os
from decimal import Decimal, getcontext
from fractions import Fraction as F

getcontext().prec = 60
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "data", "zarnix度量衡.thf")

PI = F(Decimal("3.14159265358979323846264338327950288419716939937510582097494"))
C = F(299792458)                    # speed of light, m/s
G0 = F("9.80665")                   # standard gravity, m/s2
INCH = F("0.0254")
FOOT = 12 * INCH
YARD = 3 * FOOT
MILE = 5280 * FOOT
POUND = F("0.45359237")
OUNCE = POUND / 16
LBF = POUND * G0                    # pound-force, N
KGF = G0
US_GALLON = 231 * INCH**3
UK_GALLON = F("0.00454609")
CAL = F("4.184")                    # thermochemical calorie
CAL_IT = F("4.1868")
BTU = F("1055.05585262")            # International Table Btu
HP = 550 * FOOT * LBF               # mechanical horsepower, W
PS = 75 * KGF                       # metric horsepower, W
ATM = F(101325)
MMHG = F("13595.1") * G0 / 1000     # conventional millimetre of mercury
E_CHARGE = F("1.602176634e-19")
AU = F(149597870700)
DAY = F(86400)
STATC = F(1, 10) / C                # statcoulomb = 1/(10 c) C
STATV = C / 10**6                   # statvolt = c / 10^6 V
DEGREE = PI / 180
GIB = 2**30

Q = []  # (quantity, [(name, symbol, size)])


def quantity(name, units):
    Q.append((name, units))


quantity("长度", [
    ("米", "m", 1), ("千米", "km", 1000), ("公里", "km", 1000), ("分米", "dm", F(1, 10)),
    ("厘米", "cm", F(1, 100)), ("毫米", "mm", F(1, 1000)), ("微米", "μm", F(1, 10**6)),
    ("纳米", "nm", F(1, 10**9)), ("埃", "", F(1, 10**10)), ("英寸", "in", INCH),
    ("英尺", "ft", FOOT), ("码", "yd", YARD), ("英里", "mi", MILE), ("海里", "n mile", 1852),
    ("密耳", "mil", INCH / 1000), ("链", "ch", 66 * FOOT), ("弗隆", "fur", 660 * FOOT),
    ("天文单位", "au", AU), ("光年", "ly", C * F("365.25") * DAY),
    ("秒差距", "pc", AU * 648000 / PI), ("市里", "", 500), ("市引", "", F(100, 3)),
    ("丈", "", F(10, 3)), ("市尺", "", F(1, 3)), ("市寸", "", F(1, 30)), ("市分", "", F(1, 300)),
    ("市厘", "", F(1, 3000)),
])
quantity("面积", [
    ("平方米", "m2", 1), ("平方千米", "km2", 10**6), ("公顷", "ha", 10**4), ("公亩", "a", 100),
    ("平方分米", "dm2", F(1, 100)), ("平方厘米", "cm2", F(1, 10**4)),
    ("平方毫米", "mm2", F(1, 10**6)), ("平方英寸", "in2", INCH**2), ("平方英尺", "ft2", FOOT**2),
    ("平方码", "yd2", YARD**2), ("英亩", "ac", 4840 * YARD**2), ("平方英里", "mi2", MILE**2),
    ("市亩", "", F(2000, 3)), ("市顷", "", F(200000, 3)), ("平方市尺", "", F(1, 9)),
    ("平方丈", "", F(100, 9)),
])
quantity("体积", [
    ("立方米", "m3", 1), ("升", "L", F(1, 1000)), ("毫升", "mL", F(1, 10**6)),
    ("立方分米", "dm3", F(1, 1000)), ("立方厘米", "cm3", F(1, 10**6)),
    ("立方毫米", "mm3", F(1, 10**9)), ("立方千米", "km3", 10**9), ("立方英寸", "in3", INCH**3),
    ("立方英尺", "ft3", FOOT**3), ("立方码", "yd3", YARD**3), ("美制加仑", "gal", US_GALLON),
    ("英制加仑", "gal(UK)", UK_GALLON), ("美制夸脱", "qt", US_GALLON / 4),
    ("美制品脱", "pt", US_GALLON / 8), ("英制品脱", "pt(UK)", UK_GALLON / 8),
    ("美制液量盎司", "fl oz", US_GALLON / 128), ("英制液量盎司", "fl oz(UK)", UK_GALLON / 160),
    ("石油桶", "bbl", 42 * US_GALLON), ("美制蒲式耳", "bu", F("2150.42") * INCH**3),
    ("英亩英尺", "ac·ft", 4840 * YARD**2 * FOOT), ("市石", "", F(1, 10)), ("市斗", "", F(1, 100)),
    ("市升", "", F(1, 1000)),
])
quantity("质量", [
    ("千克", "kg", 1), ("公斤", "kg", 1), ("克", "g", F(1, 1000)), ("毫克", "mg", F(1, 10**6)),
    ("微克", "μg", F(1, 10**9)), ("吨", "t", 1000), ("公担", "q", 100), ("克拉", "ct", F(1, 5000)),
    ("磅", "lb", POUND), ("盎司", "oz", OUNCE), ("格令", "gr", POUND / 7000),
    ("金衡盎司", "oz t", POUND / 7000 * 480), ("英石", "st", 14 * POUND),
    ("短吨", "sh tn", 2000 * POUND), ("长吨", "l tn", 2240 * POUND),
    ("英担", "cwt", 112 * POUND), ("美担", "sh cwt", 100 * POUND), ("市担", "", 50),
    ("市斤", "", F(1, 2)), ("市两", "", F(1, 20)), ("市钱", "", F(1, 200)),
    ("原子质量单位", "u", F("1.66053906660e-27")),
])
quantity("时间", [
    ("秒", "s", 1), ("毫秒", "ms", F(1, 1000)), ("微秒", "μs", F(1, 10**6)),
    ("纳秒", "ns", F(1, 10**9)), ("分钟", "min", 60), ("小时", "h", 3600), ("天", "d", DAY),
    ("星期", "wk", 7 * DAY), ("年", "a", 365 * DAY), ("儒略年", "a(J)", F("365.25") * DAY),
    ("世纪", "", F("36525") * DAY),
])
quantity("速度", [
    ("米每秒", "m/s", 1), ("千米每小时", "km/h", F(1000, 3600)), ("千米每秒", "km/s", 1000),
    ("厘米每秒", "cm/s", F(1, 100)), ("英尺每秒", "ft/s", FOOT),
    ("英尺每分钟", "ft/min", FOOT / 60), ("英里每小时", "mph", MILE / 3600),
    ("节", "kn", F(1852, 3600)), ("光速", "c", C),
])
quantity("加速度", [
    ("米每二次方秒", "m/s2", 1), ("伽", "Gal", F(1, 100)), ("毫伽", "mGal", F(1, 10**5)),
    ("标准重力加速度", "g", G0), ("英尺每二次方秒", "ft/s2", FOOT),
    ("英寸每二次方秒", "in/s2", INCH),
])
quantity("力", [
    ("牛顿", "N", 1), ("千牛", "kN", 1000), ("毫牛", "mN", F(1, 1000)), ("达因", "dyn", F(1, 10**5)),
    ("千克力", "kgf", KGF), ("克力", "gf", KGF / 1000), ("吨力", "tf", 1000 * KGF),
    ("磅力", "lbf", LBF), ("盎司力", "ozf", LBF / 16), ("千磅力", "kip", 1000 * LBF),
    ("磅达", "pdl", POUND * FOOT),
])
quantity("压强", [
    ("帕斯卡", "Pa", 1), ("百帕", "hPa", 100), ("千帕", "kPa", 1000), ("兆帕", "MPa", 10**6),
    ("巴", "bar", 10**5), ("毫巴", "mbar", 100), ("标准大气压", "atm", ATM),
    ("工程大气压", "at", 10**4 * KGF), ("千克力每平方厘米", "kgf/cm2", 10**4 * KGF),
    ("毫米汞柱", "mmHg", MMHG), ("托", "Torr", ATM / 760), ("英寸汞柱", "inHg", MMHG * 254 / 10),
    ("毫米水柱", "mmH2O", KGF), ("磅力每平方英寸", "psi", LBF / INCH**2),
    ("磅力每平方英尺", "psf", LBF / FOOT**2),
])
quantity("能量", [
    ("焦耳", "J", 1), ("千焦", "kJ", 1000), ("兆焦", "MJ", 10**6), ("瓦时", "Wh", 3600),
    ("千瓦时", "kWh", 3600000), ("卡", "cal", CAL), ("千卡", "kcal", 1000 * CAL),
    ("国际蒸汽表卡", "cal(IT)", CAL_IT), ("英热单位", "Btu", BTU), ("电子伏特", "eV", E_CHARGE),
    ("尔格", "erg", F(1, 10**7)), ("千克力米", "kgf·m", KGF), ("英尺磅力", "ft·lbf", FOOT * LBF),
    ("马力小时", "hp·h", HP * 3600), ("吨标准煤", "tce", F("29.3076e9")),
    ("吨TNT当量", "tTNT", F("4.184e9")),
])
quantity("功率", [
    ("瓦特", "W", 1), ("毫瓦", "mW", F(1, 1000)), ("千瓦", "kW", 1000), ("兆瓦", "MW", 10**6),
    ("公制马力", "PS", PS), ("英制马力", "hp", HP), ("千卡每小时", "kcal/h", 1000 * CAL / 3600),
    ("英热单位每小时", "Btu/h", BTU / 3600), ("千克力米每秒", "kgf·m/s", KGF),
    ("尔格每秒", "erg/s", F(1, 10**7)), ("冷吨", "RT", 12000 * BTU / 3600),
])
quantity("温度", [
    ("开尔文", "K", 1), ("摄氏度", "℃", 1), ("华氏度", "℉", F(5, 9)),
])
quantity("角度", [
    ("弧度", "rad", 1), ("度", "°", DEGREE), ("角分", "′", DEGREE / 60),
    ("角秒", "″", DEGREE / 3600), ("百分度", "gon", PI / 200), ("圈", "r", 2 * PI),
    ("密位", "mil", 2 * PI / 6000), ("毫弧度", "mrad", F(1, 1000)),
])
quantity("角速度", [
    ("弧度每秒", "rad/s", 1), ("度每秒", "°/s", DEGREE), ("转每分", "r/min", 2 * PI / 60),
    ("转每秒", "r/s", 2 * PI), ("度每分", "°/min", DEGREE / 60),
])
quantity("频率", [
    ("赫兹", "Hz", 1), ("千赫", "kHz", 1000), ("兆赫", "MHz", 10**6), ("吉赫", "GHz", 10**9),
    ("每分钟次数", "1/min", F(1, 60)), ("每小时次数", "1/h", F(1, 3600)),
])
quantity("密度", [
    ("千克每立方米", "kg/m3", 1), ("克每立方厘米", "g/cm3", 1000), ("克每毫升", "g/mL", 1000),
    ("克每升", "g/L", 1), ("吨每立方米", "t/m3", 1000), ("磅每立方英尺", "lb/ft3", POUND / FOOT**3),
    ("磅每立方英寸", "lb/in3", POUND / INCH**3), ("磅每美制加仑", "lb/gal", POUND / US_GALLON),
])
quantity("线密度", [
    ("千克每米", "kg/m", 1), ("克每米", "g/m", F(1, 1000)), ("特克斯", "tex", F(1, 10**6)),
    ("分特克斯", "dtex", F(1, 10**7)), ("旦尼尔", "den", F(1, 9 * 10**6)),
    ("磅每英尺", "lb/ft", POUND / FOOT),
])
quantity("面密度", [
    ("千克每平方米", "kg/m2", 1), ("克每平方米", "g/m2", F(1, 1000)),
    ("磅每平方英尺", "lb/ft2", POUND / FOOT**2), ("盎司每平方码", "oz/yd2", OUNCE / YARD**2),
])
quantity("体积流量", [
    ("立方米每秒", "m3/s", 1), ("立方米每小时", "m3/h", F(1, 3600)), ("升每秒", "L/s", F(1, 1000)),
    ("升每分钟", "L/min", F(1, 60000)), ("立方英尺每秒", "ft3/s", FOOT**3),
    ("立方英尺每分钟", "ft3/min", FOOT**3 / 60), ("美制加仑每分钟", "gal/min", US_GALLON / 60),
    ("石油桶每天", "bbl/d", 42 * US_GALLON / DAY),
])
quantity("质量流量", [
    ("千克每秒", "kg/s", 1), ("千克每小时", "kg/h", F(1, 3600)), ("克每秒", "g/s", F(1, 1000)),
    ("吨每小时", "t/h", F(1000, 3600)), ("磅每秒", "lb/s", POUND), ("磅每小时", "lb/h", POUND / 3600),
])
quantity("力矩", [
    ("牛顿米", "N·m", 1), ("千牛米", "kN·m", 1000), ("千克力米", "kgf·m", KGF),
    ("磅力英尺", "lbf·ft", LBF * FOOT), ("磅力英寸", "lbf·in", LBF * INCH),
    ("达因厘米", "dyn·cm", F(1, 10**7)),
])
quantity("动量", [
    ("千克米每秒", "kg·m/s", 1), ("牛顿秒", "N·s", 1), ("达因秒", "dyn·s", F(1, 10**5)),
    ("千克力秒", "kgf·s", KGF), ("磅力秒", "lbf·s", LBF),
])
quantity("动力黏度", [
    ("帕斯卡秒", "Pa·s", 1), ("毫帕秒", "mPa·s", F(1, 1000)), ("泊", "P", F(1, 10)),
    ("厘泊", "cP", F(1, 1000)), ("千克力秒每平方米", "kgf·s/m2", KGF),
    ("磅力秒每平方英尺", "lbf·s/ft2", LBF / FOOT**2), ("磅每英尺秒", "lb/(ft·s)", POUND / FOOT),
])
quantity("运动黏度", [
    ("平方米每秒", "m2/s", 1), ("平方毫米每秒", "mm2/s", F(1, 10**6)), ("斯托克斯", "St", F(1, 10**4)),
    ("厘斯", "cSt", F(1, 10**6)), ("平方米每小时", "m2/h", F(1, 3600)),
    ("平方英尺每秒", "ft2/s", FOOT**2),
])
quantity("热导率", [
    ("瓦特每米开尔文", "W/(m·K)", 1),
    ("千卡每米小时摄氏度", "kcal/(m·h·℃)", 1000 * CAL_IT / 3600),
    ("卡每厘米秒摄氏度", "cal/(cm·s·℃)", CAL_IT * 100),
    ("英热单位每英尺小时华氏度", "Btu/(ft·h·℉)", BTU / (FOOT * 3600 * F(5, 9))),
])
quantity("比热容", [
    ("焦耳每千克开尔文", "J/(kg·K)", 1), ("千焦每千克开尔文", "kJ/(kg·K)", 1000),
    ("卡每克摄氏度", "cal/(g·℃)", CAL_IT * 1000), ("千卡每千克摄氏度", "kcal/(kg·℃)", CAL_IT * 1000),
    ("英热单位每磅华氏度", "Btu/(lb·℉)", BTU / (POUND * F(5, 9))),
])
quantity("热流密度", [
    ("瓦特每平方米", "W/m2", 1), ("千瓦每平方米", "kW/m2", 1000),
    ("千卡每平方米小时", "kcal/(m2·h)", 1000 * CAL_IT / 3600),
    ("英热单位每平方英尺小时", "Btu/(ft2·h)", BTU / (FOOT**2 * 3600)),
])
quantity("电荷量", [
    ("库仑", "C", 1), ("毫库", "mC", F(1, 1000)), ("微库", "μC", F(1, 10**6)),
    ("纳库", "nC", F(1, 10**9)), ("皮库", "pC", F(1, 10**12)), ("安培小时", "A·h", 3600),
    ("毫安时", "mA·h", F(36, 10)), ("元电荷", "e", E_CHARGE), ("静库", "statC", STATC),
    ("绝对库", "abC", 10),
])
quantity("电流", [
    ("安培", "A", 1), ("千安", "kA", 1000), ("毫安", "mA", F(1, 1000)), ("微安", "μA", F(1, 10**6)),
    ("纳安", "nA", F(1, 10**9)), ("绝对安", "abA", 10), ("静安", "statA", STATC),
])
quantity("电压", [
    ("伏特", "V", 1), ("千伏", "kV", 1000), ("兆伏", "MV", 10**6), ("毫伏", "mV", F(1, 1000)),
    ("微伏", "μV", F(1, 10**6)), ("绝对伏", "abV", F(1, 10**8)), ("静伏", "statV", STATV),
])
quantity("电阻", [
    ("欧姆", "Ω", 1), ("千欧", "kΩ", 1000), ("兆欧", "MΩ", 10**6), ("毫欧", "mΩ", F(1, 1000)),
    ("微欧", "μΩ", F(1, 10**6)), ("绝对欧", "abΩ", F(1, 10**9)), ("静欧", "statΩ", STATV / STATC),
])
quantity("电导", [
    ("西门子", "S", 1), ("毫西", "mS", F(1, 1000)), ("微西", "μS", F(1, 10**6)), ("姆欧", "mho", 1),
])
quantity("电容", [
    ("法拉", "F", 1), ("毫法", "mF", F(1, 1000)), ("微法", "μF", F(1, 10**6)),
    ("纳法", "nF", F(1, 10**9)), ("皮法", "pF", F(1, 10**12)), ("绝对法", "abF", 10**9),
    ("静法", "statF", STATC / STATV),
])
quantity("电感", [
    ("亨利", "H", 1), ("毫亨", "mH", F(1, 1000)), ("微亨", "μH", F(1, 10**6)),
    ("纳亨", "nH", F(1, 10**9)), ("绝对亨", "abH", F(1, 10**9)), ("静亨", "statH", STATV / STATC),
])
quantity("磁通量", [
    ("韦伯", "Wb", 1), ("毫韦伯", "mWb", F(1, 1000)), ("微韦伯", "μWb", F(1, 10**6)),
    ("麦克斯韦", "Mx", F(1, 10**8)), ("伏特秒", "V·s", 1),
])
quantity("磁感应强度", [
    ("特斯拉", "T", 1), ("毫特", "mT", F(1, 1000)), ("微特", "μT", F(1, 10**6)),
    ("纳特", "nT", F(1, 10**9)), ("高斯", "Gs", F(1, 10**4)), ("毫高斯", "mGs", F(1, 10**7)),
    ("伽马", "γ", F(1, 10**9)), ("韦伯每平方米", "Wb/m2", 1),
])
quantity("磁场强度", [
    ("安培每米", "A/m", 1), ("千安每米", "kA/m", 1000), ("奥斯特", "Oe", 1000 / (4 * PI)),
])
quantity("照度", [
    ("勒克斯", "lx", 1), ("千勒克斯", "klx", 1000), ("辐透", "ph", 10**4),
    ("英尺烛光", "fc", 1 / FOOT**2), ("流明每平方米", "lm/m2", 1),
])
quantity("亮度", [
    ("坎德拉每平方米", "cd/m2", 1), ("尼特", "nt", 1), ("熙提", "sb", 10**4),
    ("朗伯", "La", 10**4 / PI), ("英尺朗伯", "fL", 1 / (PI * FOOT**2)), ("阿熙提", "asb", 1 / PI),
])
quantity("物质的量", [
    ("摩尔", "mol", 1), ("千摩尔", "kmol", 1000), ("毫摩尔", "mmol", F(1, 1000)),
    ("微摩尔", "μmol", F(1, 10**6)), ("磅摩尔", "lb-mol", POUND * 1000),
])
quantity("物质的量浓度", [
    ("摩尔每立方米", "mol/m3", 1), ("摩尔每升", "mol/L", 1000), ("毫摩尔每升", "mmol/L", 1),
    ("微摩尔每升", "μmol/L", F(1, 1000)),
])
quantity("放射性活度", [
    ("贝可勒尔", "Bq", 1), ("千贝可", "kBq", 1000), ("兆贝可", "MBq", 10**6),
    ("吉贝可", "GBq", 10**9), ("居里", "Ci", F("3.7e10")), ("毫居里", "mCi", F("3.7e7")),
    ("微居里", "μCi", F("3.7e4")), ("卢瑟福", "Rd", 10**6),
])
quantity("吸收剂量", [
    ("戈瑞", "Gy", 1), ("毫戈瑞", "mGy", F(1, 1000)), ("焦耳每千克", "J/kg", 1),
    ("拉德", "rad", F(1, 100)), ("毫拉德", "mrad", F(1, 10**5)),
])
quantity("剂量当量", [
    ("希沃特", "Sv", 1), ("毫希沃特", "mSv", F(1, 1000)), ("微希沃特", "μSv", F(1, 10**6)),
    ("雷姆", "rem", F(1, 100)), ("毫雷姆", "mrem", F(1, 10**5)),
])
quantity("信息量", [
    ("比特", "bit", 1), ("字节", "B", 8), ("千比特", "kbit", 1000), ("兆比特", "Mbit", 10**6),
    ("吉比特", "Gbit", 10**9), ("千字节", "kB", 8000), ("兆字节", "MB", 8 * 10**6),
    ("吉字节", "GB", 8 * 10**9), ("太字节", "TB", 8 * 10**12),
    ("二进制千字节", "KiB", 8 * 1024), ("二进制兆字节", "MiB", 8 * 1024**2),
    ("二进制吉字节", "GiB", 8 * GIB), ("二进制太字节", "TiB", 8 * 1024 * GIB),
])
quantity("数据传输速率", [
    ("比特每秒", "bit/s", 1), ("千比特每秒", "kbit/s", 1000), ("兆比特每秒", "Mbit/s", 10**6),
    ("吉比特每秒", "Gbit/s", 10**9), ("字节每秒", "B/s", 8), ("千字节每秒", "kB/s", 8000),
    ("兆字节每秒", "MB/s", 8 * 10**6),
])
quantity("燃料消耗量", [
    ("升每百千米", "L/100km", 1), ("升每千米", "L/km", 100),
    ("美制加仑每百英里", "gal/100mi", US_GALLON * 1000 / (MILE / 1000)),
    ("英制加仑每百英里", "gal(UK)/100mi", UK_GALLON * 1000 / (MILE / 1000)),
])
quantity("燃油经济性", [
    ("千米每升", "km/L", 1), ("英里每美制加仑", "mpg", MILE / 1000 / (US_GALLON * 1000)),
    ("英里每英制加仑", "mpg(UK)", MILE / 1000 / (UK_GALLON * 1000)),
])


def factor_text(size):
    """1/size to 18 significant digits, trailing zeros dropped."""
    factor = 1 / F(size)
    value = Decimal(factor.numerator) / Decimal(factor.denominator)
    text = format(value, ".17e")
    mantissa, exponent = text.split("e")
    exponent = int(exponent)
    digits = mantissa.replace(".", "").replace("-", "")
    if -7 <= exponent < 18:
        if exponent >= 0:
            whole = digits[: exponent + 1].ljust(exponent + 1, "0")
            frac = digits[exponent + 1:]
        else:
            whole = "0"
            frac = "0" * (-exponent - 1) + digits
        frac = frac.rstrip("0")
        return whole + ("." + frac if frac else "")
    mantissa = mantissa.rstrip("0").rstrip(".")
    return "%sE%d" % (mantissa, exponent)


def main():
    lines = ["C20`C16`C24", "单位名称`符号`换算系数"]
    for name, units in Q:
        lines.append("[%s]``" % name)
        for unit, symbol, size in units:
            lines.append("%s`%s`%s" % (unit, symbol, factor_text(size)))
    with open(OUT, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("gbk"))
    print("%d quantities, %d units written to %s" % (len(Q), sum(len(u) for _, u in Q), OUT))


if __name__ == "__main__":
    main()
