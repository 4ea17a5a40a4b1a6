#!/usr/bin/python3
# Writes the dBase fixtures of the table-file tests with an independent dBase library
# (Debian's python3-dbf): run with /usr/bin/python3 from this folder.
import datetime
import dbf

# dBase III: character, numeric, logical and date fields; the second record is deleted.
people = dbf.Table('people.dbf', 'NAME C(10); AGE N(3,0); SCORE N(6,2); OK L; BORN D',
                   dbf_type='db3', codepage='cp936')
people.open(dbf.READ_WRITE)
people.append(('张三', 30, 88.5, True, datetime.date(1994, 5, 17)))
people.append(('Li Si', 7, -1.25, False, datetime.date(2017, 1, 2)))
people.append(('Wang', 123, 0, None, None))
dbf.delete(people[1])
people.close()

# Visual FoxPro: date-time and memo fields, stored in binary.
events = dbf.Table('events.dbf', 'TITLE C(8); AT T; NOTE M',
                   dbf_type='vfp', codepage='cp936')
events.open(dbf.READ_WRITE)
events.append(('launch', datetime.datetime(2023, 3, 15, 8, 5, 30), 'first note'))
events.append(('old', datetime.datetime(1999, 12, 31, 23, 59, 0), 'second note'))
events.close()
