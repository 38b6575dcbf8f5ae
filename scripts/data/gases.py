import sys; sys.path.insert(0, __import__('os').path.dirname(__file__))
from atoms import mm
K=[-173,-73,27,127,227,327]
def pts(start,vals):
    i=K.index(start); return list(zip(K[i:i+len(vals)],vals))
# name, text, formula-or-M, melt, boil, points
G=[
("Air","dry air, N2 78 %, O2 21 %, Ar 0.9 %",28.96,"-213","-194",pts(-173,[7.1,13.3,18.5,23.1,27.1,30.8])),
("Nitrogen","N2, inert, colourless","N2","-210.0","-195.8",pts(-173,[7.0,12.9,17.9,22.2,26.1,29.6])),
("Oxygen","O2, oxidising","O2","-218.8","-183.0",pts(-173,[7.7,14.7,20.7,25.8,30.5,34.7])),
("Hydrogen","H2, normal hydrogen, flammable","H2","-259.2","-252.9",pts(-173,[4.1,6.8,8.9,10.9,12.8,14.5])),
("Helium","He, noble gas","He","-272.2","-268.9",pts(-173,[9.6,15.1,19.9,24.3,28.3,32.2])),
("Argon","Ar, noble gas","Ar","-189.3","-185.8",pts(-173,[8.1,15.9,22.7,28.6,33.9,38.8])),
("Neon","Ne, noble gas","Ne","-248.6","-246.0",pts(-173,[14.4,24.1,31.9,38.6,44.8,50.6])),
("Krypton","Kr, noble gas","Kr","-157.4","-153.4",pts(-73,[17.4,25.5,32.9,39.6,45.8])),
("Xenon","Xe, noble gas","Xe","-111.8","-108.1",pts(-73,[15.7,23.2,30.5,37.2,43.5])),
("Carbon monoxide","CO, toxic, flammable","CO","-205.0","-191.5",pts(-173,[6.7,12.9,17.8,22.1,25.8,29.1])),
("Carbon dioxide","CO2, sublimes at 1 atm","CO2","-56.6","-78.5",pts(-73,[10.1,15.0,19.7,24.0,28.0])),
("Nitrous oxide","N2O, laughing gas","N2O","-90.8","-88.5",pts(-73,[10.0,15.0,19.8,24.1,27.9])),
("Nitric oxide","NO, toxic","NO","-163.6","-151.7",pts(-73,[13.8,19.2,23.8,28.0,31.9])),
("Sulfur dioxide","SO2, toxic, pungent","SO2","-75.5","-10.0",pts(-73,[8.6,12.9,17.5,21.7])),
("Hydrogen sulfide","H2S, toxic, flammable","H2S","-85.5","-59.6",pts(27,[12.5,16.9,21.2,25.4])),
("Ammonia","NH3, toxic, refrigerant","NH3","-77.7","-33.3",pts(27,[10.2,14.0,17.9,21.7])),
("Hydrogen chloride","HCl, corrosive","HCl","-114.2","-85.1",pts(27,[14.6,19.7,24.3])),
("Chlorine","Cl2, toxic, oxidising","Cl2","-101.5","-34.0",[(-23,11.2),(27,13.5),(77,15.7)]),
("Sulfur hexafluoride","SF6, insulating gas","SF6","-50.8","-63.8",pts(27,[15.3,19.7,23.8,27.6])),
("Methane","CH4, flammable","CH4","-182.5","-161.5",pts(-73,[7.7,11.2,14.3,17.0,19.4])),
("Ethane","C2H6, flammable","C2H6","-182.8","-88.6",pts(-73,[6.4,9.5,12.3,14.9,17.3])),
("Propane","C3H8, flammable, LPG","C3H8","-187.6","-42.1",pts(27,[8.3,10.9,13.4,15.8])),
("n-Butane","C4H10, flammable, LPG","C4H10","-138.3","-0.5",pts(27,[7.5,10.0,12.3,14.6])),
("Isobutane","C4H10, flammable","C4H10","-159.4","-11.7",pts(27,[7.6,10.0,12.3,14.6])),
("Ethylene","C2H4, flammable","C2H4","-169.2","-103.7",pts(-73,[7.0,10.4,13.6,16.5,19.1])),
("Acetylene","C2H2, flammable, unstable","C2H2","-80.8","-84.0",pts(27,[10.4,13.5,16.5])),
("Natural gas","methane-rich (H gas), viscosities of methane",17.4,"-182","-161",pts(-73,[7.7,11.2,14.3,17.0,19.4])),
]
out=[]
for n,t,f,mp,bp,p in G:
    M=f if isinstance(f,float) else round(mm(f),3)
    fields=[n,t,f"{M:.3f}",mp,bp]
    for T,v in p: fields+= [str(T),f"{v:.1f}"]
    out.append("\t".join(fields))
open(sys.argv[1],'wb').write(("\r\n".join(out)+"\r\n").encode('cp1252'))
print(len(out),"gases")
