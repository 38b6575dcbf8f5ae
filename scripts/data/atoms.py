import re
M={'H':1.008,'C':12.011,'N':14.007,'O':15.999,'S':32.06,'Cl':35.45,'He':4.0026,'Ne':20.180,'Ar':39.948,'Kr':83.798,'Xe':131.29,'F':18.998,'Hg':200.59}
def mm(f):
    return sum(M[a]*(int(n) if n else 1) for a,n in re.findall(r'([A-Z][a-z]?)(\d*)',f))
